#include "ui/ConfigurationTab.h"

#include "model/Model.h"
#include "model/SettingRules.h"
#include "ui/MainWindow.h"
#include "ui_ConfigurationTab.h"

namespace {

// The frequency in whole hertz, rounded as the model rounds it.
int Hertz(double megahertz)
{
    Messages probe;
    probe.setChannelAFrequencyMHz(megahertz);
    return probe.channelAFrequency();
}

} // namespace

ConfigurationTab::ConfigurationTab(Model* model, MainWindow* parent)
    : VesselTab(model, parent)
    , ui(new Ui::ConfigurationTab)
{
    ui->setupUi(this);
    ui->spinBoxPositionHighSOG->setRange(SettingRules::HighRateSogMin, SettingRules::HighRateSogMax);
    for (QDoubleSpinBox* frequency : { ui->doubleSpinBoxTxFreqA, ui->doubleSpinBoxTxFreqB })
        frequency->setRange(SettingRules::FrequencyMinHz / 1e6, SettingRules::FrequencyMaxHz / 1e6);
    AttachVesselForms(ui->groupBoxVesselDetails->Form(), ui->groupBoxDimensions->Form());
    UpdateTabFromModel(nullptr);
}

ConfigurationTab::~ConfigurationTab()
{
    delete ui;
}

bool ConfigurationTab::UpdateTabFromModel(Model* source)
{
    if (source) {
        *model->mmsi() = *source->mmsi();
        *model->staticData() = *source->staticData();
        *model->vesselData() = *source->vesselData();
        *model->messages() = *source->messages();
        model->setSerialNumber(source->serialNumber());
        model->setAppVersion(source->appVersion());
        *model->voyageLog() = *source->voyageLog();
    }
    LoadingScope scope(this);
    LoadVessel();
    LoadMessages();
    ui->labelSerialNumber->setText(model->serialNumber());
    ui->labelVersion->setText(model->appVersion());
    return true;
}

void ConfigurationTab::LoadMessages()
{
    const Messages* messages = model->messages();
    ui->comboBoxPositionMessageInterval->setCurrentIndex(messages->positionIntervalIndex());
    ui->checkBoxPositionHigh->setChecked(messages->highRateEnabled());
    ui->spinBoxPositionHighSOG->setValue(messages->highRateSog());
    // The high-rate list stops one entry short of the full one; the rule below
    // moves such an index below the normal interval anyway.
    QComboBox* highRate = ui->comboBoxPositionMessageIntervalHigh;
    highRate->setCurrentIndex(qMin(messages->highRateIntervalIndex(), highRate->count() - 1));
    ApplyHighRateRule();
    ui->doubleSpinBoxTxFreqA->setValue(messages->channelAFrequencyMHz());
    ui->doubleSpinBoxTxFreqB->setValue(messages->channelBFrequencyMHz());
    ui->checkBoxEnableFreqB->setChecked(messages->channelBEnabled());
}

bool ConfigurationTab::UpdateModelFromTab(Model* target)
{
    target = TargetModel(target);
    StoreVessel(target);
    Messages* messages = target->messages();
    messages->setPositionIntervalIndex(ui->comboBoxPositionMessageInterval->currentIndex());
    messages->setHighRateEnabled(ui->checkBoxPositionHigh->isChecked());
    messages->setHighRateSog(ui->spinBoxPositionHighSOG->value());
    messages->setHighRateIntervalIndex(ui->comboBoxPositionMessageIntervalHigh->currentIndex());
    messages->setChannelAFrequencyMHz(ui->doubleSpinBoxTxFreqA->value());
    messages->setChannelBEnabled(ui->checkBoxEnableFreqB->isChecked());
    messages->setChannelBFrequencyMHz(ui->doubleSpinBoxTxFreqB->value());
    return true;
}

void ConfigurationTab::on_comboBoxPositionMessageInterval_currentIndexChanged(int index)
{
    if (loading || index == model->messages()->positionIntervalIndex())
        return;
    ApplyHighRateRule();
    MarkEdited();
    model->messages()->setPositionIntervalIndex(index);
    emit signalFixLogInterval(model->messages()->positionInterval());
    UpdateModelFromTab(nullptr);
}

void ConfigurationTab::on_checkBoxPositionHigh_toggled(bool checked)
{
    if (loading || checked == model->messages()->highRateEnabled())
        return;
    ApplyHighRateRule();
    CommitEdit();
}

void ConfigurationTab::on_spinBoxPositionHighSOG_valueChanged(int value)
{
    if (loading || value == model->messages()->highRateSog())
        return;
    CommitEdit();
}

void ConfigurationTab::on_comboBoxPositionMessageIntervalHigh_currentIndexChanged(int index)
{
    if (loading || index == model->messages()->highRateIntervalIndex())
        return;
    ApplyHighRateRule();
    CommitEdit();
}

void ConfigurationTab::on_doubleSpinBoxTxFreqA_valueChanged(double value)
{
    if (loading || Hertz(value) == model->messages()->channelAFrequency())
        return;
    CommitEdit();
}

void ConfigurationTab::on_checkBoxEnableFreqB_stateChanged(int state)
{
    if (loading || (state == Qt::Checked) == model->messages()->channelBEnabled())
        return;
    CommitEdit();
}

void ConfigurationTab::on_doubleSpinBoxTxFreqB_valueChanged(double value)
{
    if (loading || Hertz(value) == model->messages()->channelBFrequency())
        return;
    CommitEdit();
}

// High-rate reporting must be strictly more frequent than the normal rate;
// with the shortest normal interval there is no room for it at all. The
// controls it moves must not count as edits of their own.
void ConfigurationTab::ApplyHighRateRule()
{
    LoadingScope scope(this);
    const int position = ui->comboBoxPositionMessageInterval->currentIndex();
    QComboBox* highRate = ui->comboBoxPositionMessageIntervalHigh;
    if (highRate->currentIndex() < position)
        return;
    if (position > 0) {
        highRate->setCurrentIndex(position - 1);
    } else {
        ui->checkBoxPositionHigh->setChecked(false);
        highRate->setCurrentIndex(0);
    }
}
