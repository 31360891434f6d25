#pragma once

#include <QDialog>

namespace Ui {
class DisconnectDialog;
}

// Tells the user that a basic-mode programming has finished.
class DisconnectDialog : public QDialog {
    Q_OBJECT

public:
    explicit DisconnectDialog(QWidget* parent);
    ~DisconnectDialog() override;

private:
    Ui::DisconnectDialog* ui;
};
