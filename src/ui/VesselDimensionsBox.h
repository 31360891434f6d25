#pragma once

#include <QGroupBox>

namespace Ui {
class VesselDimensionsBox;
}

// The position of the Identifier on board, as the distances A to D of the
// vessel picture, in metres or feet.
class VesselDimensionsBox : public QGroupBox {
    Q_OBJECT

public:
    explicit VesselDimensionsBox(QWidget* parent = nullptr);
    ~VesselDimensionsBox() override;

    const Ui::VesselDimensionsBox& Form() const { return *ui; }

private:
    Ui::VesselDimensionsBox* ui;
};
