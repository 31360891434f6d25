#pragma once

#include "ais/AisDecoder.h"
#include "broadcast/BroadcastSettings.h"

#include <QElapsedTimer>
#include <QMap>
#include <QWidget>

class Model;
class QLabel;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

// The "Broadcasts" page of the diagnostic and advanced modes: for each kind
// of message the device broadcasts, the last one in words with its age and
// how many came, and beside each field what the settings read from the
// device say, marked where they differ.
class BroadcastsView : public QWidget {
    Q_OBJECT

public:
    explicit BroadcastsView(QWidget* parent = nullptr);

    // A line the device printed about what it transmits; its AIS sentences
    // are decoded, the rest is passed over.
    void OnLine(const QString& line);
    // A page's settings were read from the device into source (a tab id
    // of MainWindow): every message is held against them again.
    void OnSettingsRead(int tab, Model& source);
    // Another device: what the last one broadcast is forgotten.
    void Clear();

private:
    struct Kind {
        AisMessage last;
        int count = 0;
        QElapsedTimer received;
        QTreeWidgetItem* item = nullptr;
        QStringList differences; // in words
    };

    void Refresh();
    void Show(Kind& kind);
    void ShowAges();
    void ShowSummary();
    static QString Age(qint64 ms);

    QTreeWidget* m_tree;
    QLabel* m_summary;
    QTimer* m_ageTimer;
    AisDecoder m_decoder;
    BroadcastSettings m_settings;
    QMap<int, Kind> m_kinds; // by type, the parts of message 24 apart
};
