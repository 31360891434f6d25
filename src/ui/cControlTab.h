#pragma once

#include "ui/TabBase.h"

class MainWindow;
class QAbstractButton;

namespace Ui {
class cControlTab;
}

// The "Control" page of advanced mode: what the Identifier does off its
// bracket or on a bracket error, the SOS alert, the audible alerts, the
// geofence behaviour, the Halvex fence, the power box and SBAS. Its layout
// follows the device generation: types 1 and 2 use the controls suffixed
// "_v4", types 3 and 4 those suffixed "_vX".
class cControlTab : public TabBase {
    Q_OBJECT

public:
    cControlTab(Model* model, MainWindow* parent);
    ~cControlTab() override;

    bool UpdateTabFromModel(Model* model) override;
    bool UpdateModelFromTab(Model* model) override;

    // Shows the controls of the device generation; 1 to 4, other values only
    // disable SBAS.
    void SetDeviceType(int type);
    int DeviceType() const { return deviceType; }

    // Connected by hand: the object names of the two "normal" radio buttons
    // spell "Geofence" where these names spell "GeoFence".
    void on_radioButtonInsideGeoFenceNormalTx_toggled(bool active);
    void on_radioButtonOutsideGeoFenceNormalTx_toggled(bool active);
    void on_Sos_audible_alert_buttons_changed();
    void on_Geofence_audible_alert_buttons_changed();

public slots:
    void on_radioButtonBracketErrorContinuousTx_toggled(bool active);
    void on_radioButtonBracketErrorNoTx_toggled(bool active);
    void on_radioButtonOffBracketContinuousTx_toggled(bool active);
    void on_radioButtonOffBracketNoTx_toggled(bool active);
    void on_radioButtonInsideGeoFenceAlertTx_toggled(bool active);
    void on_radioButtonInsideGeoFenceNoTx_toggled(bool active);
    void on_radioButtonOutsideGeoFenceAlertTx_toggled(bool active);
    void on_radioButtonOutsideGeoFenceNoTx_toggled(bool active);
    void on_checkBoxEnableSosAlert_stateChanged(int state);
    void on_lineSosAlertMessage_textEdited(QString text);
    void on_checkBoxAudibleAlertSOS_v4_toggled(bool checked);
    void on_checkBoxEnablePowerDisconnectAlert_stateChanged(int state);
    void on_checkBoxPowerBoxEnable_toggled(bool checked);
    void on_checkBoxSbasEnable_toggled(bool checked);
    void onlockCheckBoxPowerBoxEnable(bool lock);
    void on_checkBoxEnableHalvex_clicked(bool tick);
    void on_radioButtonHalvexInsideBoundary_toggled(bool tick);
    void on_checkBoxOperationalFence_clicked(bool tick);
    void on_checkBoxHalvexGeofence_clicked(bool tick);
    void on_checkBoxEncryptionGeoFence_clicked(bool tick);
    void on_checkBoxAudibleAlertGeofence_v4_clicked(bool tick);

private:
    bool IsFirstGeneration() const { return deviceType == 1 || deviceType == 2; }
    bool IsLaterGeneration() const { return deviceType == 3 || deviceType == 4; }
    void ShowGenerationControls(bool firstGeneration);
    void LoadFirstGeneration();
    void LoadLaterGeneration();
    void StoreFirstGeneration(Model* target) const;
    void StoreLaterGeneration(Model* target) const;
    void EnableBoundaryChoice(bool enable);
    // Reports an edit unless the control already says what the model says.
    void EditedUnless(bool unchanged);

    // The buttons of a mode group, indexed by the mode they stand for.
    QList<QAbstractButton*> SosAudibleButtons() const;
    QList<QAbstractButton*> GeofenceAudibleButtons() const;
    QList<QAbstractButton*> InsideGeofenceButtons() const;
    QList<QAbstractButton*> OutsideGeofenceButtons() const;

    Ui::cControlTab* ui;
    int deviceType = 0;
};
