#include "ui/VesselTab.h"

#include "model/Model.h"
#include "model/SettingRules.h"
#include "ui_VesselDetailsBox.h"
#include "ui_VesselDimensionsBox.h"

#include <QMessageBox>

namespace {

const QChar missingText = QLatin1Char('@');

QString StoredText(const QString& text)
{
    return text.isEmpty() ? QString(missingText) : text;
}

bool IsLength(StaticData::Dimension which)
{
    return which == StaticData::DimensionA || which == StaticData::DimensionB;
}

const StaticData::Dimension allDimensions[]
    = { StaticData::DimensionA, StaticData::DimensionB, StaticData::DimensionC, StaticData::DimensionD };

} // namespace

VesselTab::VesselTab(Model* model, QWidget* parent)
    : TabBase(model, parent)
{
}

void VesselTab::AttachVesselForms(
    const Ui::VesselDetailsBox& detailsForm, const Ui::VesselDimensionsBox& dimensionsForm)
{
    details = &detailsForm;
    dimensions = &dimensionsForm;
}

void VesselTab::on_lineMMSI_textEdited(QString text)
{
    if (loading)
        return;
    if (text != model->mmsi()->text())
        CommitEdit();
    AfterVesselEdit();
}

void VesselTab::on_toolButtonMMSIInfo_clicked()
{
    QMessageBox::information(this, tr("Maritime Mobile Service Identity (MMSI)"),
        tr("MMSI - A unique nine digit number that identifies a particular ship or shore station.\n\n")
            + tr("The MMSI can be programmed only once. Please contact your dealer if you are unsure of your "
                 "MMSI "
                 "number."));
}

void VesselTab::on_lineVesselName_textEdited(QString)
{
    if (loading)
        return;
    TextEdited(details->lineVesselName, model->staticData()->vesselName());
}

void VesselTab::on_lineCallSign_textEdited(QString)
{
    if (loading)
        return;
    TextEdited(details->lineCallSign, model->staticData()->callSign());
}

void VesselTab::TextEdited(QLineEdit* edit, const QString& modelText)
{
    QString fixed = edit->text();
    edit->validator()->fixup(fixed);
    if (fixed != edit->text()) {
        const int cursor = edit->cursorPosition();
        edit->setText(fixed);
        edit->setCursorPosition(cursor);
    }
    if (fixed != modelText)
        CommitEdit();
    AfterVesselEdit();
}

void VesselTab::on_comboVesselType_currentIndexChanged(int index)
{
    if (loading)
        return;
    const int code
        = index < 0 ? VesselData::TypeNotSpecified : details->comboVesselType->itemData(index).toInt();
    if (code != model->vesselData()->vesselType())
        CommitEdit();
}

void VesselTab::on_spinBoxDimensionA_valueChanged(int value)
{
    DimensionEdited(StaticData::DimensionA, value);
}

void VesselTab::on_spinBoxDimensionB_valueChanged(int value)
{
    DimensionEdited(StaticData::DimensionB, value);
}

void VesselTab::on_spinBoxDimensionC_valueChanged(int value)
{
    DimensionEdited(StaticData::DimensionC, value);
}

void VesselTab::on_spinBoxDimensionD_valueChanged(int value)
{
    DimensionEdited(StaticData::DimensionD, value);
}

void VesselTab::DimensionEdited(StaticData::Dimension which, int value)
{
    if (loading)
        return;
    if (value != ModelDimension(which))
        CommitEdit();
    AfterVesselEdit();
}

// The spin boxes show the model's values converted; their maxima are raised
// before a reload and lowered only after it, so that no value is clipped on
// the way.
void VesselTab::on_radioButtonDimensionMeters_toggled(bool use_metres)
{
    if (loading)
        return;
    if (use_metres != useMetres) {
        useMetres = use_metres;
        SetDimensionMaxima(false);
        SetUnitLabels(use_metres);
    }
    UpdateTabFromModel(nullptr);
    if (use_metres)
        SetDimensionMaxima(true);
}

void VesselTab::LoadVessel()
{
    StaticData* staticData = model->staticData();
    details->lineVesselName->setText(SettingRules::ShownText(staticData->vesselName()));
    details->lineCallSign->setText(SettingRules::ShownText(staticData->callSign()));
    details->lineMMSI->setText(model->mmsi()->text());
    const int typeIndex = details->comboVesselType->findData(model->vesselData()->vesselType());
    if (typeIndex >= 0)
        details->comboVesselType->setCurrentIndex(typeIndex);
    for (const StaticData::Dimension which : allDimensions)
        DimensionSpinBox(which)->setValue(ModelDimension(which));
}

void VesselTab::StoreVessel(Model* target) const
{
    StaticData* staticData = target->staticData();
    staticData->setVesselName(StoredText(details->lineVesselName->text()));
    staticData->setCallSign(StoredText(details->lineCallSign->text()));
    target->mmsi()->setText(details->lineMMSI->text());
    const QComboBox* types = details->comboVesselType;
    target->vesselData()->setVesselType(
        types->currentIndex() < 0 ? VesselData::TypeNotSpecified : types->currentData().toInt());
    const StaticData shown = ShownDimensions();
    for (const StaticData::Dimension which : allDimensions)
        staticData->setDimension(which, shown.dimension(which));
}

StaticData VesselTab::ShownDimensions() const
{
    StaticData shown;
    for (const StaticData::Dimension which : allDimensions) {
        const int value = DimensionSpinBox(which)->value();
        if (useMetres)
            shown.setDimensionMetres(which, value);
        else
            shown.setDimensionFeet(which, value);
    }
    return shown;
}

int VesselTab::ModelDimension(StaticData::Dimension which) const
{
    const StaticData* staticData = model->staticData();
    return useMetres ? staticData->dimensionMetres(which) : staticData->dimensionFeet(which);
}

QSpinBox* VesselTab::DimensionSpinBox(StaticData::Dimension which) const
{
    QSpinBox* const boxes[] = { dimensions->spinBoxDimensionA, dimensions->spinBoxDimensionB,
        dimensions->spinBoxDimensionC, dimensions->spinBoxDimensionD };
    return boxes[which];
}

void VesselTab::SetDimensionMaxima(bool metres)
{
    for (const StaticData::Dimension which : allDimensions) {
        const bool length = IsLength(which);
        DimensionSpinBox(which)->setMaximum(
            metres ? (length ? SettingRules::LengthMaxMetres : SettingRules::BeamMaxMetres)
                   : (length ? SettingRules::LengthMaxFeet : SettingRules::BeamMaxFeet));
    }
}

void VesselTab::SetUnitLabels(bool metres)
{
    const QString unit = metres ? tr("m") : tr("ft");
    for (QLabel* label :
        { dimensions->labelUnitA, dimensions->labelUnitB, dimensions->labelUnitC, dimensions->labelUnitD })
        label->setText(unit);
}
