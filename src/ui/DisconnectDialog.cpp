#include "ui/DisconnectDialog.h"

#include "ui/Pictures.h"
#include "ui_DisconnectDialog.h"

DisconnectDialog::DisconnectDialog(QWidget* parent)
    : QDialog(parent, Qt::WindowTitleHint | Qt::WindowSystemMenuHint)
    , ui(new Ui::DisconnectDialog)
{
    ui->setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/velmora/velmora.png")));
    Pictures::Show(ui->labelTick, QStringLiteral(":/velmora/TickCircle.png"));
}

DisconnectDialog::~DisconnectDialog()
{
    delete ui;
}
