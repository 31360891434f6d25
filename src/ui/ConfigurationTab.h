#pragma once

#include "ui/VesselTab.h"

class MainWindow;

namespace Ui {
class ConfigurationTab;
}

// The first page of advanced mode: the vessel data, the AIS reporting
// intervals and transmit frequencies, and the device's serial number and
// firmware version.
class ConfigurationTab : public VesselTab {
    Q_OBJECT

public:
    ConfigurationTab(Model* model, MainWindow* parent);
    ~ConfigurationTab() override;

    bool UpdateTabFromModel(Model* model) override;
    bool UpdateModelFromTab(Model* model) override;

signals:
    void signalFixLogInterval(int interval);

public slots:
    void on_comboBoxPositionMessageInterval_currentIndexChanged(int index);
    void on_checkBoxPositionHigh_toggled(bool checked);
    void on_spinBoxPositionHighSOG_valueChanged(int value);
    void on_comboBoxPositionMessageIntervalHigh_currentIndexChanged(int index);
    void on_doubleSpinBoxTxFreqA_valueChanged(double value);
    void on_checkBoxEnableFreqB_stateChanged(int state);
    void on_doubleSpinBoxTxFreqB_valueChanged(double value);

private:
    void ApplyHighRateRule();
    void LoadMessages();

    Ui::ConfigurationTab* ui;
};
