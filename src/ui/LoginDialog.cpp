#include "ui/LoginDialog.h"

#include "app/VelmoraApplication.h"
#include "ui/Pictures.h"
#include "ui_LoginDialog.h"

LoginDialog::LoginDialog(QWidget* parent)
    : QDialog(parent, Qt::WindowTitleHint | Qt::WindowSystemMenuHint)
    , ui(new Ui::LoginDialog)
{
    ui->setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/velmora/About.png")));
    Pictures::Show(ui->labelLock, QStringLiteral(":/velmora/Lock.png"));
}

LoginDialog::~LoginDialog()
{
    delete ui;
}

void LoginDialog::on_lineEditPassword_textChanged(QString text)
{
    ui->pushOK->setEnabled(VelmoraApplication::Instance()->CheckPassword(text));
}
