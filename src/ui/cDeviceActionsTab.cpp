#include "ui/cDeviceActionsTab.h"

#include "ui/MainWindow.h"
#include "ui_cDeviceActionsTab.h"

cDeviceActionsTab::cDeviceActionsTab(Model* model, MainWindow* parent)
    : TabBase(model, parent)
    , ui(new Ui::cDeviceActionsTab)
{
    ui->setupUi(this);
    if (parent) {
        connect(this, &cDeviceActionsTab::ClearId, parent, &MainWindow::OnClearId);
        connect(this, &cDeviceActionsTab::DeepSleep, parent, &MainWindow::OnDeepSleep);
        connect(this, &cDeviceActionsTab::ResetVessel, parent, &MainWindow::OnResetVessel);
        connect(this, &cDeviceActionsTab::ResetConfig, parent, &MainWindow::OnResetConfig);
    }
}

cDeviceActionsTab::~cDeviceActionsTab()
{
    delete ui;
}

bool cDeviceActionsTab::UpdateTabFromModel(Model*)
{
    return true;
}

bool cDeviceActionsTab::UpdateModelFromTab(Model*)
{
    return true;
}

void cDeviceActionsTab::EnableDeviceActions(bool enable)
{
    ui->groupBoxDeviceActions->setEnabled(enable);
}

void cDeviceActionsTab::on_pushButtonClearId_released()
{
    Request(&cDeviceActionsTab::ClearId);
}

void cDeviceActionsTab::on_pushButtonDeepSleep_released()
{
    Request(&cDeviceActionsTab::DeepSleep);
}

void cDeviceActionsTab::on_pushButtonResetVessel_released()
{
    Request(&cDeviceActionsTab::ResetVessel);
}

void cDeviceActionsTab::on_pushButtonResetConfig_released()
{
    Request(&cDeviceActionsTab::ResetConfig);
}

// No second command may start before the first has completed.
void cDeviceActionsTab::Request(void (cDeviceActionsTab::*action)())
{
    EnableDeviceActions(false);
    emit(this->*action)();
}
