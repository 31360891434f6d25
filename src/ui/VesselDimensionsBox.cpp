#include "ui/VesselDimensionsBox.h"

#include "ui/Pictures.h"
#include "ui_VesselDimensionsBox.h"

VesselDimensionsBox::VesselDimensionsBox(QWidget* parent)
    : QGroupBox(parent)
    , ui(new Ui::VesselDimensionsBox)
{
    ui->setupUi(this);
    Pictures::Show(ui->labelVesselPicture, QStringLiteral(":/velmora/Vessel dimensions.png"));
    // The legend's dot has the colour of the Identifier's mark in the picture.
    ui->labelIdentifier->setText(
        QStringLiteral("<span style=\"color:#e07a1f; font-size:large\">&#9679;</span> ")
        + tr("Identifier").toHtmlEscaped());
}

VesselDimensionsBox::~VesselDimensionsBox()
{
    delete ui;
}
