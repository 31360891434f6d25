#pragma once

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class cChapPasswordEntry;
}

// Asks for the password of a locked device.
class cChapPasswordEntry : public QDialog {
    Q_OBJECT

public:
    explicit cChapPasswordEntry(QWidget* parent = nullptr);
    ~cChapPasswordEntry() override;

    // The text typed so far; it stands even when the dialog is closed by its
    // window controls rather than by "Use Password".
    QString password() const { return m_password; }

    // Runs the dialog modally and returns what was typed: the password
    // source the application gives the security manager.
    static QString askPassword();

private slots:
    void on_lineEdit_password_1_textChanged(const QString& text);
    void on_pushButton_use_password_clicked();

private:
    std::unique_ptr<Ui::cChapPasswordEntry> m_ui;
    QString m_password;
};
