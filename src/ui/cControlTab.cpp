#include "ui/cControlTab.h"

#include "model/Model.h"
#include "model/SettingRules.h"
#include "ui/AisValidator.h"
#include "ui/MainWindow.h"
#include "ui_cControlTab.h"

namespace {

// Checks the button standing for the mode; a mode without a button checks
// nothing and leaves the group as it was.
void CheckMode(const QList<QAbstractButton*>& buttons, int mode)
{
    if (mode >= 0 && mode < buttons.size())
        buttons.at(mode)->setChecked(true);
}

// The mode of the checked button, or `none` when no button is checked.
int CheckedMode(const QList<QAbstractButton*>& buttons, int none)
{
    for (int mode = 0; mode < buttons.size(); ++mode) {
        if (buttons.at(mode)->isChecked())
            return mode;
    }
    return none;
}

} // namespace

cControlTab::cControlTab(Model* model, MainWindow* parent)
    : TabBase(model, parent)
    , ui(new Ui::cControlTab)
{
    ui->setupUi(this);
    ui->lineSosAlertMessage->setMaxLength(SettingRules::SosMessageLength);
    ui->lineSosAlertMessage->setValidator(new AisValidator(SettingRules::SosMessageLength, this));
    for (QAbstractButton* button : SosAudibleButtons())
        connect(button, &QAbstractButton::clicked, this, &cControlTab::on_Sos_audible_alert_buttons_changed);
    for (QAbstractButton* button : GeofenceAudibleButtons())
        connect(
            button, &QAbstractButton::clicked, this, &cControlTab::on_Geofence_audible_alert_buttons_changed);
    connect(ui->radioButtonInsideGeofenceNormalTx, &QAbstractButton::toggled, this,
        &cControlTab::on_radioButtonInsideGeoFenceNormalTx_toggled);
    connect(ui->radioButtonOutsideGeofenceNormalTx, &QAbstractButton::toggled, this,
        &cControlTab::on_radioButtonOutsideGeoFenceNormalTx_toggled);
    UpdateTabFromModel(nullptr);
}

cControlTab::~cControlTab()
{
    delete ui;
}

QList<QAbstractButton*> cControlTab::SosAudibleButtons() const
{
    return { ui->radioButtonSOS_AudibleAlertOff, ui->radioButtonSOS_AudibleAlertAlways,
        ui->radioButtonSOS_AudibleAlertPower };
}

QList<QAbstractButton*> cControlTab::GeofenceAudibleButtons() const
{
    return { ui->radioButton_GeofenceAudibleAlertOff, ui->radioButton_GeofenceAudibleAlertAlwaysOn,
        ui->radioButton_GeofenceAudibleAlertPower };
}

QList<QAbstractButton*> cControlTab::InsideGeofenceButtons() const
{
    return { ui->radioButtonInsideGeofenceNormalTx, ui->radioButtonInsideGeoFenceAlertTx,
        ui->radioButtonInsideGeoFenceNoTx };
}

QList<QAbstractButton*> cControlTab::OutsideGeofenceButtons() const
{
    return { ui->radioButtonOutsideGeofenceNormalTx, ui->radioButtonOutsideGeoFenceAlertTx,
        ui->radioButtonOutsideGeoFenceNoTx };
}

void cControlTab::SetDeviceType(int type)
{
    deviceType = type;
    ui->checkBoxSbasEnable->setEnabled(type == 2 || type == 4);
    if (IsFirstGeneration())
        ShowGenerationControls(true);
    else if (IsLaterGeneration())
        ShowGenerationControls(false);
}

void cControlTab::ShowGenerationControls(bool firstGeneration)
{
    ui->groupBoxGenofenceAudibleAlert_vX->setVisible(!firstGeneration);
    ui->checkBoxAudibleAlertGeofence_v4->setVisible(firstGeneration);
    ui->checkBoxAudibleAlertGeofence_v4->setText(firstGeneration ? tr("Enable audible alert") : tr("Enable"));
    ui->groupBoxSOSAudibleAlert_vX->setVisible(!firstGeneration);
    ui->checkBoxAudibleAlertSOS_v4->setVisible(firstGeneration);
    ui->groupBoxGeofenceType->setVisible(!firstGeneration);
    ui->groupBoxGeofenceMessageControl->setVisible(firstGeneration);
    ui->checkBoxPowerBoxEnable->setVisible(firstGeneration);
    ui->checkBoxEnablePowerDisconnectAlert->setEnabled(!firstGeneration);
    ui->groupBox_active_area->setVisible(firstGeneration);
}

bool cControlTab::UpdateTabFromModel(Model* source)
{
    if (source) {
        *model->alerts() = *source->alerts();
        *model->geoBoundary() = *source->geoBoundary();
        model->setSbasEnabled(source->sbasEnabled());
    }
    LoadingScope scope(this);
    const Alerts* alerts = model->alerts();
    CheckMode({ ui->radioButtonBracketErrorNoTx, ui->radioButtonBracketErrorContinuousTx },
        alerts->bracketErrorMode());
    CheckMode(
        { ui->radioButtonOffBracketNoTx, ui->radioButtonOffBracketContinuousTx }, alerts->offBracketMode());
    ui->checkBoxEnableSosAlert->setChecked(alerts->sosAlertEnabled());
    ui->lineSosAlertMessage->setText(alerts->sosMessage());
    if (IsFirstGeneration())
        LoadFirstGeneration();
    else if (IsLaterGeneration())
        LoadLaterGeneration();

    const GeoBoundary* boundary = model->geoBoundary();
    ui->checkBoxEnableHalvex->setChecked(boundary->boundaryEnabled());
    EnableBoundaryChoice(boundary->boundaryEnabled());
    if (boundary->insideBoundary())
        ui->radioButtonHalvexInsideBoundary->setChecked(true);
    else
        ui->radioButtonHalvexOutsideBoundary->setChecked(true);
    ui->checkBoxSbasEnable->setChecked(model->sbasEnabled());
    return true;
}

void cControlTab::LoadFirstGeneration()
{
    const Alerts* alerts = model->alerts();
    ui->checkBoxAudibleAlertSOS_v4->setChecked(alerts->sosBuzzerMode() > 0);
    ui->checkBoxAudibleAlertGeofence_v4->setChecked(alerts->geofenceBuzzerMode() > 0);
    ui->checkBoxPowerBoxEnable->show();
    ui->checkBoxPowerBoxEnable->setChecked(alerts->powerBoxEnabled());
    ui->checkBoxEnablePowerDisconnectAlert->setEnabled(alerts->powerBoxEnabled());
    ui->checkBoxEnablePowerDisconnectAlert->setChecked(alerts->powerBoxAlertEnabled());
    CheckMode(InsideGeofenceButtons(), alerts->insideGeofenceMode());
    CheckMode(OutsideGeofenceButtons(), alerts->outsideGeofenceMode());
}

void cControlTab::LoadLaterGeneration()
{
    const Alerts* alerts = model->alerts();
    CheckMode(SosAudibleButtons(), alerts->sosBuzzerMode());
    CheckMode(GeofenceAudibleButtons(), alerts->geofenceBuzzerMode());
    ui->checkBoxPowerBoxEnable->hide();
    ui->checkBoxEnablePowerDisconnectAlert->setEnabled(true);
    ui->checkBoxEnablePowerDisconnectAlert->setChecked(alerts->powerBoxAlertEnabled());
    const GeoBoundary* boundary = model->geoBoundary();
    ui->checkBoxOperationalFence->setChecked(boundary->operationalFenceEnabled());
    ui->checkBoxHalvexGeofence->setChecked(boundary->halvexFenceEnabled());
    ui->checkBoxEncryptionGeoFence->setChecked(boundary->encryptionFenceEnabled());
}

// The SBAS flag always goes to the tab model: the state machine sends it with
// the configuration page, which every send of all tabs includes.
bool cControlTab::UpdateModelFromTab(Model* target)
{
    target = TargetModel(target);
    Alerts* alerts = target->alerts();
    alerts->setBracketErrorMode(ui->radioButtonBracketErrorNoTx->isChecked() ? 0 : 1);
    alerts->setOffBracketMode(ui->radioButtonOffBracketNoTx->isChecked() ? 0 : 1);
    alerts->setSosAlertEnabled(ui->checkBoxEnableSosAlert->isChecked());
    alerts->setSosMessage(ui->lineSosAlertMessage->text());
    if (IsFirstGeneration())
        StoreFirstGeneration(target);
    else if (IsLaterGeneration())
        StoreLaterGeneration(target);
    GeoBoundary* boundary = target->geoBoundary();
    boundary->setBoundaryEnabled(ui->checkBoxEnableHalvex->isChecked());
    boundary->setInsideBoundary(ui->radioButtonHalvexInsideBoundary->isChecked());
    model->setSbasEnabled(ui->checkBoxSbasEnable->isChecked());
    return true;
}

void cControlTab::StoreFirstGeneration(Model* target) const
{
    Alerts* alerts = target->alerts();
    alerts->setSosBuzzerMode(ui->checkBoxAudibleAlertSOS_v4->isChecked() ? 1 : 0);
    alerts->setGeofenceBuzzerMode(ui->checkBoxAudibleAlertGeofence_v4->isChecked() ? 1 : 0);
    const bool powerBox = ui->checkBoxPowerBoxEnable->isChecked();
    alerts->setPowerBoxEnabled(powerBox);
    alerts->setPowerBoxAlertEnabled(powerBox && ui->checkBoxEnablePowerDisconnectAlert->isChecked());
    alerts->setInsideGeofenceMode(CheckedMode(InsideGeofenceButtons(), 0));
    alerts->setOutsideGeofenceMode(CheckedMode(OutsideGeofenceButtons(), 0));
}

void cControlTab::StoreLaterGeneration(Model* target) const
{
    GeoBoundary* boundary = target->geoBoundary();
    boundary->setOperationalFenceEnabled(ui->checkBoxOperationalFence->isChecked());
    boundary->setHalvexFenceEnabled(ui->checkBoxHalvexGeofence->isChecked());
    boundary->setEncryptionFenceEnabled(ui->checkBoxEncryptionGeoFence->isChecked());
    Alerts* alerts = target->alerts();
    alerts->setSosBuzzerMode(CheckedMode(SosAudibleButtons(), alerts->sosBuzzerMode()));
    alerts->setGeofenceBuzzerMode(CheckedMode(GeofenceAudibleButtons(), alerts->geofenceBuzzerMode()));
    alerts->setPowerBoxAlertEnabled(ui->checkBoxEnablePowerDisconnectAlert->isChecked());
}

void cControlTab::EditedUnless(bool unchanged)
{
    if (!loading && !unchanged)
        CommitEdit();
}

void cControlTab::on_radioButtonBracketErrorContinuousTx_toggled(bool active)
{
    EditedUnless(active == (model->alerts()->bracketErrorMode() == 1));
}

void cControlTab::on_radioButtonBracketErrorNoTx_toggled(bool active)
{
    EditedUnless(active == (model->alerts()->bracketErrorMode() == 0));
}

void cControlTab::on_radioButtonOffBracketContinuousTx_toggled(bool active)
{
    EditedUnless(active == (model->alerts()->offBracketMode() == 1));
}

void cControlTab::on_radioButtonOffBracketNoTx_toggled(bool active)
{
    EditedUnless(active == (model->alerts()->offBracketMode() == 0));
}

void cControlTab::on_radioButtonInsideGeoFenceNormalTx_toggled(bool active)
{
    EditedUnless(active == (model->alerts()->insideGeofenceMode() == 0));
}

void cControlTab::on_radioButtonInsideGeoFenceAlertTx_toggled(bool active)
{
    EditedUnless(active == (model->alerts()->insideGeofenceMode() == 1));
}

void cControlTab::on_radioButtonInsideGeoFenceNoTx_toggled(bool active)
{
    EditedUnless(active == (model->alerts()->insideGeofenceMode() == 2));
}

void cControlTab::on_radioButtonOutsideGeoFenceNormalTx_toggled(bool active)
{
    EditedUnless(active == (model->alerts()->outsideGeofenceMode() == 0));
}

void cControlTab::on_radioButtonOutsideGeoFenceAlertTx_toggled(bool active)
{
    EditedUnless(active == (model->alerts()->outsideGeofenceMode() == 1));
}

void cControlTab::on_radioButtonOutsideGeoFenceNoTx_toggled(bool active)
{
    EditedUnless(active == (model->alerts()->outsideGeofenceMode() == 2));
}

void cControlTab::on_checkBoxEnableSosAlert_stateChanged(int state)
{
    EditedUnless(model->alerts()->sosAlertEnabled() == (state == Qt::Checked));
}

// The validator lets lower case through while typing; the fixed-up text
// replaces it at once, with the cursor where the user left it.
void cControlTab::on_lineSosAlertMessage_textEdited(QString text)
{
    if (loading)
        return;
    QLineEdit* line = ui->lineSosAlertMessage;
    line->validator()->fixup(text);
    if (text != line->text()) {
        const int cursor = line->cursorPosition();
        line->setText(text);
        line->setCursorPosition(cursor);
    }
    EditedUnless(text == model->alerts()->sosMessage());
}

void cControlTab::on_checkBoxAudibleAlertSOS_v4_toggled(bool checked)
{
    EditedUnless(checked == (model->alerts()->sosBuzzerMode() > 0));
}

void cControlTab::on_checkBoxAudibleAlertGeofence_v4_clicked(bool tick)
{
    EditedUnless(tick == (model->alerts()->geofenceBuzzerMode() > 0));
}

void cControlTab::on_Sos_audible_alert_buttons_changed()
{
    EditedUnless(CheckedMode(SosAudibleButtons(), -1) == model->alerts()->sosBuzzerMode());
}

void cControlTab::on_Geofence_audible_alert_buttons_changed()
{
    EditedUnless(CheckedMode(GeofenceAudibleButtons(), -1) == model->alerts()->geofenceBuzzerMode());
}

void cControlTab::on_checkBoxEnablePowerDisconnectAlert_stateChanged(int state)
{
    EditedUnless(model->alerts()->powerBoxAlertEnabled() == (state == Qt::Checked));
}

// The disconnect alert means nothing without the power box, so it follows it.
void cControlTab::on_checkBoxPowerBoxEnable_toggled(bool checked)
{
    if (loading || checked == model->alerts()->powerBoxEnabled())
        return;
    ui->checkBoxEnablePowerDisconnectAlert->setEnabled(checked);
    CommitEdit();
}

void cControlTab::on_checkBoxSbasEnable_toggled(bool checked)
{
    EditedUnless(checked == model->sbasEnabled());
}

void cControlTab::onlockCheckBoxPowerBoxEnable(bool lock)
{
    ui->checkBoxPowerBoxEnable->setEnabled(!lock);
}

void cControlTab::on_checkBoxEnableHalvex_clicked(bool tick)
{
    if (loading)
        return;
    if (IsFirstGeneration())
        EnableBoundaryChoice(tick);
    CommitEdit();
}

// The group goes with its buttons: a group left disabled by an earlier click
// would keep them unusable after a load enabled them.
void cControlTab::EnableBoundaryChoice(bool enable)
{
    ui->groupBox_active_area->setEnabled(enable);
    ui->radioButtonHalvexInsideBoundary->setEnabled(enable);
    ui->radioButtonHalvexOutsideBoundary->setEnabled(enable);
}

void cControlTab::on_radioButtonHalvexInsideBoundary_toggled(bool)
{
    EditedUnless(false);
}

void cControlTab::on_checkBoxOperationalFence_clicked(bool)
{
    EditedUnless(false);
}

void cControlTab::on_checkBoxHalvexGeofence_clicked(bool)
{
    EditedUnless(false);
}

void cControlTab::on_checkBoxEncryptionGeoFence_clicked(bool)
{
    EditedUnless(false);
}
