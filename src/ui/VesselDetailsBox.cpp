#include "ui/VesselDetailsBox.h"

#include "model/SettingRules.h"
#include "model/VesselData.h"
#include "ui/AisValidator.h"
#include "ui/MMSIValidator.h"
#include "ui_VesselDetailsBox.h"

VesselDetailsBox::VesselDetailsBox(QWidget* parent)
    : QGroupBox(parent)
    , ui(new Ui::VesselDetailsBox)
{
    ui->setupUi(this);
    ui->toolButtonMMSIInfo->setIcon(QIcon(QStringLiteral(":/velmora/Help.png")));
    ui->lineMMSI->setValidator(new MMSIValidator(this));
    ui->lineVesselName->setValidator(new AisValidator(SettingRules::VesselNameLength, this));
    ui->lineCallSign->setValidator(new AisValidator(SettingRules::CallSignLength, this));
    FillVesselTypes();
}

VesselDetailsBox::~VesselDetailsBox()
{
    delete ui;
}

void VesselDetailsBox::FillVesselTypes()
{
    for (const int code : SettingRules::OfferedVesselTypes())
        ui->comboVesselType->addItem(VesselData::vesselTypeText(code), code);
}
