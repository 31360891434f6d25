#include "ui/AboutDialog.h"

#include "ui/Pictures.h"
#include "ui_AboutDialog.h"

#include <QApplication>

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent, Qt::WindowTitleHint | Qt::WindowSystemMenuHint)
    , ui(new Ui::AboutDialog)
{
    ui->setupUi(this);
    const QString name = QCoreApplication::applicationName();
    setWindowTitle(tr("About") + QLatin1Char(' ') + name);
    setWindowIcon(QIcon(QStringLiteral(":/velmora/About.png")));
    Pictures::Show(ui->labelIcon, QStringLiteral(":/velmora/velmora.png"));
    ui->labelProduct->setText(name);
    ui->labelVersion->setText(QCoreApplication::applicationVersion());
}

AboutDialog::~AboutDialog()
{
    delete ui;
}

void AboutDialog::on_buttonAboutQT_clicked()
{
    QApplication::aboutQt();
}
