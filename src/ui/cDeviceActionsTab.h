#pragma once

#include "ui/TabBase.h"

class MainWindow;

namespace Ui {
class cDeviceActionsTab;
}

// The "Device Actions" page of advanced mode: four immediate commands to the
// Identifier. A pressed button disables the group until the main window
// hears that the command's job has completed.
class cDeviceActionsTab : public TabBase {
    Q_OBJECT

public:
    cDeviceActionsTab(Model* model, MainWindow* parent);
    ~cDeviceActionsTab() override;

    // The page edits nothing: there is nothing to load or store.
    bool UpdateTabFromModel(Model* model) override;
    bool UpdateModelFromTab(Model* model) override;

    void EnableDeviceActions(bool enable);

signals:
    void ClearId();
    void DeepSleep();
    void ResetVessel();
    void ResetConfig();

public slots:
    void on_pushButtonClearId_released();
    void on_pushButtonDeepSleep_released();
    void on_pushButtonResetVessel_released();
    void on_pushButtonResetConfig_released();

private:
    void Request(void (cDeviceActionsTab::*action)());

    Ui::cDeviceActionsTab* ui;
};
