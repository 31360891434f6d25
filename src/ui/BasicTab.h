#pragma once

#include "ui/VesselTab.h"

class MainWindow;

namespace Ui {
class BasicTab;
}

// The whole of basic mode: the vessel data, the Identifier's position on
// board, the power interface unit, the programme button and two immediate
// device actions. Its controls follow the link: enabled only while connected,
// and the MMSI only while the device reports it unprogrammed.
class BasicTab : public VesselTab {
    Q_OBJECT

public:
    BasicTab(Model* model, MainWindow* parent);
    ~BasicTab() override;

    bool UpdateTabFromModel(Model* model) override;
    bool UpdateModelFromTab(Model* model) override;

    void SetDeviceType(int type);
    void EnableDeviceActions();

signals:
    void ClearId();
    void DeepSleep();

public slots:
    void on_pushButtonClearId_released();
    void on_pushButtonDeepSleep_released();
    void on_checkBox_PowerInterface_stateChanged(int state);
    void on_toolButtonProgramme_clicked();
    void OnOpened();
    void OnClosed();

protected:
    void AfterVesselEdit() override;

private:
    void UpdateProgrammeButton();
    void SetLinkControlsEnabled(bool enabled);
    void SetDeviceActionsEnabled(bool enabled);
    bool ShowsPowerInterface() const;

    Ui::BasicTab* ui;
    MainWindow* window;
    bool connected = false;
    int deviceType = 0;
};
