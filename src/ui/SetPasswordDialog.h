#pragma once

#include <QDialog>

namespace Ui {
class SetPasswordDialog;
}

// Sets or changes the advanced password. While none is stored the current
// password to type is the default one and the dialog cannot be cancelled.
class SetPasswordDialog : public QDialog {
    Q_OBJECT

public:
    explicit SetPasswordDialog(QWidget* parent = nullptr);
    ~SetPasswordDialog() override;

public slots:
    void on_lineEditCurrentPassword_textChanged(QString text);
    void on_lineEditPassword_textChanged(QString text);
    void on_lineEditPasswordReenter_textChanged(QString text);
    void on_okButton_clicked();

private:
    void UpdateOkButton();

    Ui::SetPasswordDialog* ui;
};
