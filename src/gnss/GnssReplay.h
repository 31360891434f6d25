#pragma once

#include "gnss/GnssRecording.h"

#include <QElapsedTimer>
#include <QObject>

class QTimer;

// Hands the sentences of a recording out at the pace they were received,
// as a device would send them.
class GnssReplay : public QObject {
    Q_OBJECT

public:
    explicit GnssReplay(QObject* parent = nullptr);

    void start(const QVector<GnssRecording::Entry>& entries);
    void stop();
    bool isRunning() const;

signals:
    void sentence(QString line);
    void finished();

private:
    void playDue();

    QTimer* m_timer;
    QElapsedTimer m_clock;
    QVector<GnssRecording::Entry> m_entries;
    int m_next = 0;
};
