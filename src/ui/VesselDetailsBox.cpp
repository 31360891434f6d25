#include "ui/VesselDetailsBox.h"

#include "model/VesselData.h"
#include "ui/AisValidator.h"
#include "ui/MMSIValidator.h"
#include "ui_VesselDetailsBox.h"

namespace {

// The ship and cargo codes offered, in this order; the reserved and spare
// codes of the table are left out.
const int offeredVesselTypes[] = { VesselData::TypeNotSpecified, 30, 31, 32, 33, 34, 35, 36, 37, 50, 51, 52,
    53, 54, 55, 58, 59, 60, 70, 80 };

const int vesselNameLength = 20;
const int callSignLength = 7;

} // namespace

VesselDetailsBox::VesselDetailsBox(QWidget* parent)
    : QGroupBox(parent)
    , ui(new Ui::VesselDetailsBox)
{
    ui->setupUi(this);
    ui->toolButtonMMSIInfo->setIcon(QIcon(QStringLiteral(":/velmora/Help.png")));
    ui->lineMMSI->setValidator(new MMSIValidator(this));
    ui->lineVesselName->setValidator(new AisValidator(vesselNameLength, this));
    ui->lineCallSign->setValidator(new AisValidator(callSignLength, this));
    FillVesselTypes();
}

VesselDetailsBox::~VesselDetailsBox()
{
    delete ui;
}

void VesselDetailsBox::FillVesselTypes()
{
    for (const int code : offeredVesselTypes)
        ui->comboVesselType->addItem(VesselData::vesselTypeText(code), code);
}
