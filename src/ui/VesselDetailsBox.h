#pragma once

#include <QGroupBox>

namespace Ui {
class VesselDetailsBox;
}

// The vessel's identity as both vessel data tabs show it: MMSI, name, call
// sign and vessel type, with their validators and the vessel type list.
class VesselDetailsBox : public QGroupBox {
    Q_OBJECT

public:
    explicit VesselDetailsBox(QWidget* parent = nullptr);
    ~VesselDetailsBox() override;

    const Ui::VesselDetailsBox& Form() const { return *ui; }

private:
    void FillVesselTypes();

    Ui::VesselDetailsBox* ui;
};
