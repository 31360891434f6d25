#pragma once

#include "ui/TabBase.h"
#include "voyage/VoyageRecord.h"

class QTableWidgetItem;
class VoyageLogCollector;

namespace Ui {
class VoyageLogTab;
}

// The "Voyage data" page: the device's log settings, the records the device
// streams after "Get Log", their export as CSV or KML, and clearing the log.
// The transfer itself is run by the state machine; this page only asks for
// it and shows what the collector gathers.
class VoyageLogTab : public TabBase {
    Q_OBJECT

public:
    static constexpr int TabId = 7;
    static constexpr int SettingsOnlyTabId = 8;

    VoyageLogTab(Model* model, QWidget* parent);
    ~VoyageLogTab() override;

    // Wide enough for every column of the table: the window is never made
    // so narrow that columns go out of sight.
    QSize minimumSizeHint() const override;
    bool UpdateTabFromModel(Model* source) override;
    bool UpdateModelFromTab(Model* target) override;

    // Forgets the records shown; the next transfer appends to an empty list.
    void ClearEntries();
    void EnableControls(bool enable);

signals:
    void getVoyageDataLog(int tab);
    void VoyageSyncComplete();
    void ClearVoyageLog();
    void signalSendLogConfiguration(int tab);

public slots:
    void OnReceived(QString received);
    void OnExportLog();
    void on_pushButtonClearLog_released();
    void on_pushButtonGetLog_released();
    void OnLogRequested();
    void on_groupBoxVoyageLog_toggled(bool active);
    void on_spinBoxLogPeriod_valueChanged(int value);
    void on_spinBoxLogDistance_valueChanged(int value);
    void on_pushButtonSendLogConfiguration_released();
    void OnFixLogInterval(int interval);

private slots:
    void OnRecordAdded(const VoyageRecord& record);
    void OnTransferFinished();

private:
    enum class ClearChoice { ExportAndClear, ClearOnly, Cancel };

    void RequestLog();
    // After a fetch for "Export and clear": the log is cleared only once a
    // file holds every record the device announced.
    void ExportAndClear();
    // True only when a file was written.
    bool ExportLog();
    // The name to write to, empty when the user cancelled; kml tells the
    // format chosen.
    QString AskExportFileName(bool* kml);
    bool MayReplace(const QString& fileName);
    static QString KmlFilter();
    ClearChoice AskClear();
    // The number of records shown, and the transfer's progress while it runs.
    void ShowCount();
    void AddRow(const VoyageRecord& record);
    void SetCell(int row, int column, QTableWidgetItem* item);
    void FitColumns();
    // The period becomes a multiple of the position report interval.
    void ApplyStepRule(int interval);

    Ui::VoyageLogTab* ui;
    VoyageLogCollector* collector;
    bool exportAndClearAfterFetch = false;
};
