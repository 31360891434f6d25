#pragma once

#include "model/StaticData.h"
#include "ui/TabBase.h"

class QLineEdit;
class QSpinBox;

namespace Ui {
class VesselDetailsBox;
class VesselDimensionsBox;
}

// What the two vessel data tabs share: the vessel details and dimensions
// boxes, their edit slots (bound by object name) and the unit switch.
class VesselTab : public TabBase {
    Q_OBJECT

public:
    VesselTab(Model* model, QWidget* parent);

public slots:
    void on_lineMMSI_textEdited(QString text);
    void on_toolButtonMMSIInfo_clicked();
    void on_lineVesselName_textEdited(QString text);
    void on_lineCallSign_textEdited(QString text);
    void on_comboVesselType_currentIndexChanged(int index);
    void on_spinBoxDimensionA_valueChanged(int value);
    void on_spinBoxDimensionB_valueChanged(int value);
    void on_spinBoxDimensionC_valueChanged(int value);
    void on_spinBoxDimensionD_valueChanged(int value);
    void on_radioButtonDimensionMeters_toggled(bool use_metres);

protected:
    // The derived tab calls this once its form, which holds the two boxes, is built.
    void AttachVesselForms(
        const Ui::VesselDetailsBox& detailsForm, const Ui::VesselDimensionsBox& dimensionsForm);
    // Loads the vessel controls from the tab model.
    void LoadVessel();
    void StoreVessel(Model* target) const;
    // The dimensions as the spin boxes hold them, in metres.
    StaticData ShownDimensions() const;
    bool UsesFeet() const { return !useMetres; }
    // Runs after every edit of a text field or dimension, changed or not.
    virtual void AfterVesselEdit() { }

    const Ui::VesselDetailsBox* details = nullptr;
    const Ui::VesselDimensionsBox* dimensions = nullptr;

private:
    void TextEdited(QLineEdit* edit, const QString& modelText);
    void DimensionEdited(StaticData::Dimension which, int value);
    int ModelDimension(StaticData::Dimension which) const;
    QSpinBox* DimensionSpinBox(StaticData::Dimension which) const;
    void SetDimensionMaxima(bool metres);
    void SetUnitLabels(bool metres);

    bool useMetres = true;
};
