#include "ui/BasicConfirmDialog.h"

#include "model/StaticData.h"
#include "model/VesselData.h"
#include "ui/DeviceTypes.h"
#include "ui/Pictures.h"
#include "ui_BasicConfirmDialog.h"

BasicConfirmDialog::BasicConfirmDialog(int deviceType, QString mmsi, QString vesselName, QString callSign,
    int vesselType, const StaticData& dimensions, bool inFeet, bool powerInterface, QWidget* parent)
    : QDialog(parent, Qt::WindowTitleHint | Qt::WindowSystemMenuHint)
    , ui(new Ui::BasicConfirmDialog)
{
    ui->setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/velmora/velmora.png")));
    Pictures::Show(ui->labelWarning, QStringLiteral(":/velmora/Warning.png"));

    ui->labelMMSI->setText(mmsi);
    ui->labelShipName->setText(vesselName);
    ui->labelCallSign->setText(callSign);
    // The code alone means nothing to most users; the name carries it
    // ("37 = Vessel - Pleasure craft"), and a code the lists do not offer is
    // shown as not specified.
    const QString typeName = VesselData::vesselTypeText(vesselType);
    ui->labelVesselType->setText(typeName.isEmpty() ? tr("%1 (not specified)").arg(vesselType) : typeName);
    ui->labelDimensions->setText(dimensions.dimensionsText(inFeet));

    const bool hasPowerInterface = DeviceTypes::HasPowerInterface(deviceType);
    ui->label_PowerBox->setVisible(hasPowerInterface);
    ui->label_PowerBoxEnabled->setVisible(hasPowerInterface);
    ui->label_PowerBoxEnabled->setText(powerInterface ? tr("Enabled") : tr("Disabled"));
}

BasicConfirmDialog::~BasicConfirmDialog()
{
    delete ui;
}
