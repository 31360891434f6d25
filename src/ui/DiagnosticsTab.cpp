#include "ui/DiagnosticsTab.h"

#include "model/Model.h"
#include "ui/BoundedTextView.h"
#include "ui/DiagnosticsTexts.h"
#include "ui/FileQuestion.h"
#include "ui/MainWindow.h"
#include "ui_DiagnosticsTab.h"

DiagnosticsTab::DiagnosticsTab(Model* model, MainWindow* parent)
    : TabBase(model, parent)
    , ui(new Ui::DiagnosticsTab)
{
    ui->setupUi(this);
    BoundedTextView::Prepare(ui->textEdit_messageIndicators);
    FitStatusFields();
    connect(ui->pushButtonExportConfigurationLog, &QPushButton::released, this,
        &DiagnosticsTab::OnPushButtonExportConfigurationLog);
    UpdateTabFromModel(nullptr);
}

// The readings must show whole in any font and at any scale: the fields are
// made as wide as the longest status text.
void DiagnosticsTab::FitStatusFields()
{
    const int width = ui->lineEdit_BattStatus->fontMetrics().horizontalAdvance(
                          QStringLiteral("6 Charging, reduced current"))
        + 2 * ui->lineEdit_BattStatus->fontMetrics().averageCharWidth();
    for (QLineEdit* field : { ui->lineBattaryVolts, ui->lineEdit_BattStatus, ui->lineRSSI, ui->lineEdit_LED,
             ui->lineEdit_PowerBox })
        field->setMinimumWidth(width);
}

DiagnosticsTab::~DiagnosticsTab()
{
    delete ui;
}

// The identity goes into the tab model like any tab's values; the readings
// are only shown.
bool DiagnosticsTab::UpdateTabFromModel(Model* source)
{
    if (source) {
        *model->mmsi() = *source->mmsi();
        model->setSerialNumber(source->serialNumber());
        model->setAppVersion(source->appVersion());
    }
    LoadingScope scope(this);
    ui->lineMMSI->setText(model->mmsi()->text());
    ui->lineSerialNumber->setText(model->serialNumber());
    ui->lineSwVersion->setText(model->appVersion());
    ShowStatus(TargetModel(source));
    return true;
}

void DiagnosticsTab::ShowStatus(Model* source)
{
    const Diagnostics* diagnostics = source->diagnostics();
    const bool later = DiagnosticsTexts::IsLaterGeneration(model->appVersion());
    ui->lineBattaryVolts->setText(DiagnosticsTexts::BatteryVoltage(diagnostics->batteryVoltage()));
    ui->lineEdit_BattStatus->setText(DiagnosticsTexts::ChargingState(diagnostics->batteryStatus(), later));
    ui->lineRSSI->setText(diagnostics->adcReading());
    ui->lineEdit_LED->setText(DiagnosticsTexts::LedIndicator(diagnostics->ledStatus(), later));
    ui->lineEdit_PowerBox->setText(DiagnosticsTexts::PowerBox(diagnostics->powerBoxStatus()));
}

bool DiagnosticsTab::UpdateModelFromTab(Model*)
{
    return true;
}

void DiagnosticsTab::OnSchedulingMessageReceived(QString input)
{
    BoundedTextView::Append(ui->textEdit_messageIndicators, input);
}

void DiagnosticsTab::OnPushButtonExportConfigurationLog()
{
    const QString filter = tr("Configuration (*.log)") + QStringLiteral(";;") + tr("Any (*.*)");
    emit refreshTimerControl(false);
    const QString name = FileQuestion::Save(
        this, FileQuestion::Kind::ConfigurationLog, tr("Export configuration log..."), QString(), filter);
    if (!name.isEmpty())
        emit exportConfiguratonLog(name);
    emit refreshTimerControl(true);
}
