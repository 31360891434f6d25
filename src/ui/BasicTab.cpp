#include "ui/BasicTab.h"

#include "model/Model.h"
#include "ui/BasicConfirmDialog.h"
#include "ui/DeviceTypes.h"
#include "ui/MainWindow.h"
#include "ui_BasicTab.h"
#include "ui_VesselDetailsBox.h"
#include "ui_VesselDimensionsBox.h"

BasicTab::BasicTab(Model* model, MainWindow* parent)
    : VesselTab(model, parent)
    , ui(new Ui::BasicTab)
    , window(parent)
{
    ui->setupUi(this);
    AttachVesselForms(ui->groupBoxVesselDetails->Form(), ui->groupBoxDimensions->Form());
    ui->toolButtonProgramme->setIcon(QIcon(QStringLiteral(":/velmora/PCtoIdentifier.png")));
    OnClosed();
    connect(this, &BasicTab::ClearId, window, &MainWindow::OnClearId);
    connect(this, &BasicTab::DeepSleep, window, &MainWindow::OnDeepSleep);
    SetDeviceActionsEnabled(true);
    UpdateTabFromModel(nullptr);
}

BasicTab::~BasicTab()
{
    delete ui;
}

bool BasicTab::UpdateTabFromModel(Model* source)
{
    if (source) {
        *model->mmsi() = *source->mmsi();
        *model->staticData() = *source->staticData();
        *model->vesselData() = *source->vesselData();
        *model->alerts() = *source->alerts();
    }
    LoadingScope scope(this);
    LoadVessel();
    // The device accepts an MMSI only once, so the field opens only for a
    // device that has none yet.
    if (model->mmsi()->isUnset()) {
        details->lineMMSI->clear();
        if (connected)
            details->lineMMSI->setEnabled(true);
    }
    ui->checkBox_PowerInterface->setVisible(ShowsPowerInterface());
    if (ShowsPowerInterface())
        ui->checkBox_PowerInterface->setChecked(model->alerts()->powerBoxEnabled());
    UpdateProgrammeButton();
    return true;
}

bool BasicTab::UpdateModelFromTab(Model* target)
{
    target = TargetModel(target);
    StoreVessel(target);
    if (ShowsPowerInterface())
        target->alerts()->setPowerBoxEnabled(ui->checkBox_PowerInterface->isChecked());
    return true;
}

void BasicTab::SetDeviceType(int type)
{
    deviceType = type;
    ui->checkBox_PowerInterface->setVisible(ShowsPowerInterface());
}

void BasicTab::EnableDeviceActions()
{
    SetDeviceActionsEnabled(true);
}

void BasicTab::on_pushButtonClearId_released()
{
    SetDeviceActionsEnabled(false);
    emit ClearId();
}

void BasicTab::on_pushButtonDeepSleep_released()
{
    SetDeviceActionsEnabled(false);
    emit DeepSleep();
}

void BasicTab::on_checkBox_PowerInterface_stateChanged(int state)
{
    if (loading)
        return;
    if (model->alerts()->powerBoxEnabled() != (state == Qt::Checked))
        CommitEdit();
}

void BasicTab::on_toolButtonProgramme_clicked()
{
    if (!window->CheckMmsi())
        return;
    BasicConfirmDialog confirm(deviceType, details->lineMMSI->text(), details->lineVesselName->text(),
        details->lineCallSign->text(), model->vesselData()->vesselType(), ShownDimensions(), UsesFeet(),
        ui->checkBox_PowerInterface->isChecked(), this);
    if (confirm.exec() != QDialog::Accepted)
        return;
    SetDeviceActionsEnabled(false);
    window->OnSendCurrentTab();
}

void BasicTab::OnOpened()
{
    connected = true;
    SetLinkControlsEnabled(true);
    UpdateProgrammeButton();
    SetDeviceActionsEnabled(true);
}

void BasicTab::OnClosed()
{
    connected = false;
    SetLinkControlsEnabled(false);
    details->lineMMSI->setEnabled(false);
    ui->toolButtonProgramme->setEnabled(false);
    SetDeviceActionsEnabled(false);
}

void BasicTab::AfterVesselEdit()
{
    UpdateProgrammeButton();
}

// Intermediate texts count as valid here: a short MMSI is refused by the range
// check at send time, with a message that says why.
void BasicTab::UpdateProgrammeButton()
{
    bool valid = connected;
    for (const QLineEdit* edit : { details->lineMMSI, details->lineVesselName, details->lineCallSign }) {
        QString text = edit->text();
        int pos = edit->cursorPosition();
        valid = valid && edit->validator()->validate(text, pos) != QValidator::Invalid;
    }
    ui->toolButtonProgramme->setEnabled(valid);
}

// The MMSI field is left out: it opens only for an unprogrammed device.
void BasicTab::SetLinkControlsEnabled(bool enabled)
{
    QWidget* const controls[] = { details->toolButtonMMSIInfo, details->lineVesselName, details->lineCallSign,
        details->comboVesselType, dimensions->spinBoxDimensionA, dimensions->spinBoxDimensionB,
        dimensions->spinBoxDimensionC, dimensions->spinBoxDimensionD };
    for (QWidget* control : controls)
        control->setEnabled(enabled);
}

void BasicTab::SetDeviceActionsEnabled(bool enabled)
{
    ui->pushButtonClearId->setEnabled(enabled);
    ui->pushButtonDeepSleep->setEnabled(enabled);
}

bool BasicTab::ShowsPowerInterface() const
{
    return DeviceTypes::HasPowerInterface(deviceType);
}
