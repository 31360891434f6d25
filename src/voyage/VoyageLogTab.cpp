#include "voyage/VoyageLogTab.h"

#include "link/LogExportMessage.h"
#include "model/Model.h"
#include "model/SettingRules.h"
#include "ui/FileQuestion.h"
#include "ui_VoyageLogTab.h"
#include "voyage/CentredCheckDelegate.h"
#include "voyage/VoyageLogCollector.h"
#include "voyage/VoyageLogExport.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>

namespace {

enum Column { DateColumn, TimeColumn, LatitudeColumn, LongitudeColumn, SogColumn, CogColumn, BatteryColumn };
constexpr int FlagCount = 5;

// A header of several words goes over two lines, broken at the space nearest
// its middle, so that longer translations keep the columns narrow.
QString TwoLines(const QString& text)
{
    int best = -1;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char(' ')
            && (best < 0 || qAbs(2 * i - text.size()) < qAbs(2 * best - text.size())))
            best = i;
    }
    return best < 0 ? text : text.left(best) + QLatin1Char('\n') + text.mid(best + 1);
}

QTableWidgetItem* TextCell(const QString& text, Qt::Alignment horizontal)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(horizontal | Qt::AlignVCenter);
    return item;
}

// In the user's locale; empty when the device did not send the value.
QTableWidgetItem* NumberCell(bool known, double value, int decimals, Qt::Alignment horizontal)
{
    return TextCell(known ? QStringLiteral("%L1").arg(value, 0, 'f', decimals) : QString(), horizontal);
}

// Shows the alert state; the user can neither select nor change it.
QTableWidgetItem* FlagCell(bool set)
{
    auto* item = TextCell(QString(), Qt::AlignHCenter);
    item->setFlags(Qt::ItemIsEnabled);
    item->setCheckState(set ? Qt::Checked : Qt::Unchecked);
    return item;
}

} // namespace

VoyageLogTab::VoyageLogTab(Model* model, QWidget* parent)
    : TabBase(model, parent)
    , ui(new Ui::VoyageLogTab)
    , collector(new VoyageLogCollector(this))
{
    ui->setupUi(this);
    ui->spinBoxLogPeriod->setRange(SettingRules::LogPeriodMin, SettingRules::LogPeriodMax);
    ui->spinBoxLogDistance->setRange(SettingRules::LogDistanceMin, SettingRules::LogDistanceMax);
    // The export's columns, so that table and file name them alike.
    const QStringList headers = VoyageLogExport::csvHeaders();
    for (int column = 0; column < headers.size(); ++column) {
        ui->tableWidget->horizontalHeaderItem(column)->setText(TwoLines(headers.at(column)));
    }
    auto* centred = new CentredCheckDelegate(ui->tableWidget);
    for (int flag = 1; flag <= FlagCount; ++flag) {
        ui->tableWidget->setItemDelegateForColumn(BatteryColumn + flag, centred);
    }
    connect(collector, &VoyageLogCollector::recordAdded, this, &VoyageLogTab::OnRecordAdded);
    connect(collector, &VoyageLogCollector::finished, this, &VoyageLogTab::OnTransferFinished);
    connect(ui->exportButton, &QPushButton::released, this, &VoyageLogTab::OnExportLog);
    FitColumns();
    ShowCount();
    if (parent) {
        connect(this, SIGNAL(ClearVoyageLog()), parent, SLOT(OnClearVoyageLog()));
    }
    UpdateTabFromModel(nullptr);
}

VoyageLogTab::~VoyageLogTab()
{
    delete ui;
}

bool VoyageLogTab::UpdateTabFromModel(Model* source)
{
    if (source) {
        *model->voyageLog() = *source->voyageLog();
        *model->messages() = *source->messages();
    }
    {
        LoadingScope scope(this);
        const VoyageLog* log = model->voyageLog();
        ui->groupBoxVoyageLog->setChecked(log->logEnabled());
        ui->spinBoxLogPeriod->setValue(log->logPeriod());
        ApplyStepRule(model->messages()->positionInterval());
        ui->spinBoxLogDistance->setValue(log->logDistance());
        EnableControls(true);
    }
    // The step rule and the spin box limits may have changed what the device
    // said; the tab model holds what is shown, which is what a send writes.
    return UpdateModelFromTab(nullptr);
}

bool VoyageLogTab::UpdateModelFromTab(Model* target)
{
    VoyageLog* log = TargetModel(target)->voyageLog();
    log->setLogEnabled(ui->groupBoxVoyageLog->isChecked());
    log->setLogPeriod(ui->spinBoxLogPeriod->value());
    log->setLogDistance(ui->spinBoxLogDistance->value());
    return true;
}

void VoyageLogTab::ClearEntries()
{
    ui->tableWidget->setRowCount(0);
    collector->Clear();
    exportAndClearAfterFetch = false;
    ShowCount();
}

void VoyageLogTab::EnableControls(bool enable)
{
    ui->pushButtonGetLog->setEnabled(enable);
    ui->exportButton->setEnabled(enable);
    ui->pushButtonClearLog->setEnabled(enable);
    ui->pushButtonSendLogConfiguration->setEnabled(enable);
}

void VoyageLogTab::OnReceived(QString received)
{
    collector->OnReceived(received);
    ShowCount();
}

// While a transfer runs the bar shows how many of the records the device
// announced have come; until the device has said, it only moves to and fro.
void VoyageLogTab::ShowCount()
{
    const int count = collector->Records().size();
    const int announced = collector->Announced();
    ui->progressBarFetch->setRange(0, announced < 0 ? 0 : qMax(announced, count));
    ui->progressBarFetch->setValue(count);
    QString text = count == 1 ? tr("1 record") : tr("%1 records").arg(count);
    if (ui->progressBarFetch->isVisibleTo(this) && announced >= 0)
        text = tr("%1 of %2 records").arg(count).arg(announced);
    ui->labelRecordCount->setText(text);
}

void VoyageLogTab::OnRecordAdded(const VoyageRecord& record)
{
    // The first record of a transfer replaces what the table showed.
    const bool first = collector->Records().size() == 1;
    if (first) {
        ui->tableWidget->setRowCount(0);
    }
    AddRow(record);
    // Fitted to the first record at once, so that a long transfer can be
    // read while it runs, and to all of them at its end.
    if (first) {
        FitColumns();
    }
}

// Fitted to the widest values a record can hold as well, so that the columns
// keep their width as records arrive and the page asks for room for all of
// them. Never narrower than the header's minimum section size.
void VoyageLogTab::FitColumns()
{
    VoyageRecord widest;
    widest.date = QStringLiteral("2099-12-31");
    widest.time = QStringLiteral("23:59:59");
    widest.latitude = -89.999999;
    widest.longitude = -179.999999;
    widest.sog = 102.9;
    widest.cog = 359.9;
    widest.batteryVolts = 99.99;
    widest.batterySent = true;
    const int row = ui->tableWidget->rowCount();
    AddRow(widest);
    ui->tableWidget->resizeColumnsToContents();
    ui->tableWidget->removeRow(row);
}

QSize VoyageLogTab::minimumSizeHint() const
{
    const QTableWidget* table = ui->tableWidget;
    const QMargins margins = layout()->contentsMargins();
    const int tableWidth = table->horizontalHeader()->length() + 2 * table->frameWidth()
        + table->verticalScrollBar()->sizeHint().width() + margins.left() + margins.right();
    const QSize hint = TabBase::minimumSizeHint();
    return QSize(qMax(hint.width(), tableWidth), hint.height());
}

void VoyageLogTab::AddRow(const VoyageRecord& record)
{
    const int row = ui->tableWidget->rowCount();
    ui->tableWidget->insertRow(row);
    SetCell(row, DateColumn, TextCell(record.date, Qt::AlignHCenter));
    SetCell(row, TimeColumn, TextCell(record.time, Qt::AlignHCenter));
    SetCell(row, LatitudeColumn, NumberCell(record.hasLatitude(), record.latitude, 6, Qt::AlignRight));
    SetCell(row, LongitudeColumn, NumberCell(record.hasLongitude(), record.longitude, 6, Qt::AlignRight));
    SetCell(row, SogColumn, NumberCell(record.hasSog(), record.sog, 1, Qt::AlignHCenter));
    SetCell(row, CogColumn, NumberCell(record.hasCog(), record.cog, 1, Qt::AlignHCenter));
    SetCell(row, BatteryColumn, NumberCell(record.batterySent, record.batteryVolts, 2, Qt::AlignHCenter));
    const bool flags[] = { record.offBracket, record.sos, record.geofence, record.powerFail, record.idError };
    for (int i = 0; i < FlagCount; ++i) {
        SetCell(row, BatteryColumn + 1 + i, FlagCell(flags[i]));
    }
}

void VoyageLogTab::SetCell(int row, int column, QTableWidgetItem* item)
{
    ui->tableWidget->setItem(row, column, item);
}

void VoyageLogTab::OnTransferFinished()
{
    // A device that announced an empty log sent no record to replace the rows.
    if (collector->Records().isEmpty()) {
        ui->tableWidget->setRowCount(0);
    }
    FitColumns();
    ui->progressBarFetch->hide();
    ShowCount();
    EnableControls(true);
    emit VoyageSyncComplete();
    if (exportAndClearAfterFetch) {
        exportAndClearAfterFetch = false;
        ExportAndClear();
    }
}

void VoyageLogTab::on_pushButtonGetLog_released()
{
    exportAndClearAfterFetch = false;
    RequestLog();
}

void VoyageLogTab::RequestLog()
{
    EnableControls(false);
    emit getVoyageDataLog(TabId);
}

void VoyageLogTab::OnLogRequested()
{
    ui->progressBarFetch->show();
    ShowCount();
    collector->Start();
}

void VoyageLogTab::OnExportLog()
{
    ExportLog();
}

bool VoyageLogTab::ExportLog()
{
    const VoyageLogExport::Records& records = collector->Records();
    if (records.isEmpty()) {
        QMessageBox::information(
            this, tr("Export voyage log..."), tr("There are no voyage records to export."));
        return false;
    }
    bool kml = false;
    const QString fileName = AskExportFileName(&kml);
    if (fileName.isEmpty()) {
        return false;
    }
    const bool written = kml ? VoyageLogExport::writeKml(fileName, records)
                             : VoyageLogExport::writeCsv(fileName, VoyageLogExport::csvHeaders(), records);
    LogExportMessage::ShowResult(written, fileName, tr("Created "), this);
    return written;
}

QString VoyageLogTab::AskExportFileName(bool* kml)
{
    QString selectedFilter;
    const QString typed
        = FileQuestion::Save(this, FileQuestion::Kind::VoyageExport, tr("Export voyage log..."), QString(),
            KmlFilter() + QStringLiteral(";;") + tr("Comma Separated Values (*.csv)"), &selectedFilter);
    if (typed.isEmpty()) {
        return QString();
    }
    // The chosen filter decides the format, and the name is made to match it.
    *kml = selectedFilter == KmlFilter();
    const QString fileName
        = VoyageLogExport::withExtension(typed, *kml ? QStringLiteral("kml") : QStringLiteral("csv"));
    return fileName == typed || MayReplace(fileName) ? fileName : QString();
}

// The dialog asked about replacing the typed name only, not the name with
// its extension added.
bool VoyageLogTab::MayReplace(const QString& fileName)
{
    if (!QFileInfo::exists(fileName)) {
        return true;
    }
    return QMessageBox::warning(this, tr("Export voyage log..."),
               tr("%1 already exists.\nDo you want to replace it?").arg(QDir::toNativeSeparators(fileName)),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

QString VoyageLogTab::KmlFilter()
{
    return tr("Keyhole Markup Language (*.kml)");
}

void VoyageLogTab::on_pushButtonClearLog_released()
{
    switch (AskClear()) {
    case ClearChoice::ExportAndClear:
        // The device's log is the only copy until an export of all of it has
        // succeeded; the table may hold an older or partial fetch, or none.
        exportAndClearAfterFetch = true;
        RequestLog();
        return;
    case ClearChoice::ClearOnly:
        break;
    case ClearChoice::Cancel:
        return;
    }
    emit ClearVoyageLog();
    ClearEntries();
}

void VoyageLogTab::ExportAndClear()
{
    if (!collector->Complete()) {
        QMessageBox box(QMessageBox::Warning, tr("Clear Voyage Data Log"),
            tr("The voyage log did not arrive whole. It was not exported, and the Identifier keeps it; try "
               "again."),
            QMessageBox::Ok, this);
        if (collector->Announced() >= 0) {
            box.setInformativeText(
                tr("%1 of %2 records arrived.").arg(collector->Records().size()).arg(collector->Announced()));
        }
        box.exec();
        return;
    }
    if (ExportLog()) {
        emit ClearVoyageLog();
        ClearEntries();
    }
}

VoyageLogTab::ClearChoice VoyageLogTab::AskClear()
{
    QMessageBox box(QMessageBox::Question, tr("Clear Voyage Data Log"),
        tr("This action will delete the Voyage Data Log from the connected Identifier.\nAny required data "
           "should be "
           "exported."),
        QMessageBox::NoButton, this);
    QPushButton* exportAndClear = box.addButton(tr("Export and clear log"), QMessageBox::ActionRole);
    QPushButton* clearOnly = box.addButton(tr("Clear log only"), QMessageBox::ActionRole);
    // One role for all three keeps them in this order on every platform.
    QPushButton* cancel = box.addButton(tr("Cancel"), QMessageBox::ActionRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == exportAndClear) {
        return ClearChoice::ExportAndClear;
    }
    return box.clickedButton() == clearOnly ? ClearChoice::ClearOnly : ClearChoice::Cancel;
}

void VoyageLogTab::on_pushButtonSendLogConfiguration_released()
{
    EnableControls(false);
    emit signalSendLogConfiguration(SettingsOnlyTabId);
}

void VoyageLogTab::ApplyStepRule(int interval)
{
    // A device that reports no interval gives no step to round to.
    if (interval <= 0) {
        return;
    }
    QSpinBox* period = ui->spinBoxLogPeriod;
    period->setSingleStep(interval);
    period->setValue(SettingRules::LogPeriodOnStep(period->value(), interval));
}

void VoyageLogTab::on_groupBoxVoyageLog_toggled(bool active)
{
    if (!loading && active != model->voyageLog()->logEnabled()) {
        CommitEdit();
    }
}

void VoyageLogTab::on_spinBoxLogPeriod_valueChanged(int value)
{
    if (loading || value == model->voyageLog()->logPeriod()) {
        return;
    }
    {
        LoadingScope scope(this);
        ApplyStepRule(model->messages()->positionInterval());
    }
    if (ui->spinBoxLogPeriod->value() != model->voyageLog()->logPeriod()) {
        CommitEdit();
    }
}

void VoyageLogTab::on_spinBoxLogDistance_valueChanged(int value)
{
    if (!loading && value != model->voyageLog()->logDistance()) {
        CommitEdit();
    }
}

void VoyageLogTab::OnFixLogInterval(int interval)
{
    {
        LoadingScope scope(this);
        ApplyStepRule(interval);
    }
    UpdateModelFromTab(nullptr);
}
