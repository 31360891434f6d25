#include "ui/SetPasswordDialog.h"

#include "app/VelmoraApplication.h"
#include "ui_SetPasswordDialog.h"

#include <QMessageBox>

SetPasswordDialog::SetPasswordDialog(QWidget* parent)
    : QDialog(parent, Qt::WindowTitleHint | Qt::WindowSystemMenuHint)
    , ui(new Ui::SetPasswordDialog)
{
    ui->setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/velmora/Lock.png")));
    ui->cancelButton->setEnabled(VelmoraApplication::Instance()->HasPassword());
}

SetPasswordDialog::~SetPasswordDialog()
{
    delete ui;
}

void SetPasswordDialog::on_lineEditCurrentPassword_textChanged(QString)
{
    UpdateOkButton();
}

void SetPasswordDialog::on_lineEditPassword_textChanged(QString)
{
    UpdateOkButton();
}

void SetPasswordDialog::on_lineEditPasswordReenter_textChanged(QString)
{
    UpdateOkButton();
}

void SetPasswordDialog::on_okButton_clicked()
{
    if (!VelmoraApplication::Instance()->SetPassword(ui->lineEditPassword->text())) {
        QMessageBox::warning(this, windowTitle(),
            tr("The new password is in use, but it could not be saved to the settings. "
               "It will be saved again when the program ends."));
    }
}

void SetPasswordDialog::UpdateOkButton()
{
    const QString password = ui->lineEditPassword->text();
    ui->okButton->setEnabled(
        VelmoraApplication::Instance()->CheckPassword(ui->lineEditCurrentPassword->text())
        && !password.isEmpty() && password == ui->lineEditPasswordReenter->text());
}
