#pragma once

#include "ui/TabBase.h"

class MainWindow;

namespace Ui {
class DiagnosticsTab;
}

// The "Diagnostics" page: the unit's identity and status readings as last
// read from the device, the scheduled message indications it reports, and
// the export of the configuration log. It edits nothing.
class DiagnosticsTab : public TabBase {
    Q_OBJECT

public:
    DiagnosticsTab(Model* model, MainWindow* parent);
    ~DiagnosticsTab() override;

    bool UpdateTabFromModel(Model* model) override;
    bool UpdateModelFromTab(Model* model) override;

signals:
    void exportConfiguratonLog(QString filename);
    // Off while the export dialog is open, so that no refresh reads the
    // device meanwhile.
    void refreshTimerControl(bool on);

public slots:
    void OnSchedulingMessageReceived(QString input);
    void OnPushButtonExportConfigurationLog();

private:
    void ShowStatus(Model* source);
    void FitStatusFields();

    Ui::DiagnosticsTab* ui;
};
