#pragma once

#include <QDialog>

class StaticData;

namespace Ui {
class BasicConfirmDialog;
}

// The last look at the vessel data before a basic-mode send. exec() returns
// Accepted for "Write Configuration".
class BasicConfirmDialog : public QDialog {
    Q_OBJECT

public:
    BasicConfirmDialog(int deviceType, QString mmsi, QString vesselName, QString callSign, int vesselType,
        const StaticData& dimensions, bool inFeet, bool powerInterface, QWidget* parent);
    ~BasicConfirmDialog() override;

private:
    // "A 8 m, B 4 m, ...": the metres sent, with the feet typed beside them.
    static QString DimensionsText(const StaticData& dimensions, bool inFeet);

    Ui::BasicConfirmDialog* ui;
};
