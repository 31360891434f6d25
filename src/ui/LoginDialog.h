#pragma once

#include <QDialog>

namespace Ui {
class LoginDialog;
}

// Guards the advanced mode: it can be accepted only with the right password.
class LoginDialog : public QDialog {
    Q_OBJECT

public:
    explicit LoginDialog(QWidget* parent);
    ~LoginDialog() override;

public slots:
    void on_lineEditPassword_textChanged(QString text);

private:
    Ui::LoginDialog* ui;
};
