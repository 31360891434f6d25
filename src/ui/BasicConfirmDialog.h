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
    Ui::BasicConfirmDialog* ui;
};
