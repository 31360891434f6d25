#include "ui/DisconnectDialog.h"

#include "certificate/ProgrammingCertificate.h"
#include "ui/FileQuestion.h"
#include "ui/Pictures.h"
#include "ui/StatusNote.h"
#include "ui_DisconnectDialog.h"

#include <QDir>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

DisconnectDialog::DisconnectDialog(QWidget* parent)
    : QDialog(parent, Qt::WindowTitleHint | Qt::WindowSystemMenuHint)
    , ui(new Ui::DisconnectDialog)
{
    ui->setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/velmora/velmora.png")));
    Pictures::Show(ui->labelTick, QStringLiteral(":/velmora/TickCircle.png"));
    connect(ui->saveCertificateButton, &QPushButton::clicked, this, &DisconnectDialog::SaveCertificate);
    connect(ui->printCertificateButton, &QPushButton::clicked, this, &DisconnectDialog::PrintCertificate);
}

DisconnectDialog::~DisconnectDialog()
{
    delete ui;
}

void DisconnectDialog::ShowVerified(const ProgrammingRecord& record)
{
    m_record = record;
    ui->labelText->setText(ui->labelText->text() + QLatin1Char('\n')
        + tr("Verified: every setting sent was read back from the Identifier."));
    ui->saveCertificateButton->show();
    ui->printCertificateButton->show();
}

void DisconnectDialog::SaveCertificate()
{
    const QString path = FileQuestion::Save(this, FileQuestion::Kind::Certificate, tr("Save certificate"),
        ProgrammingCertificate::FileName(m_record), tr("PDF documents (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    QString error;
    if (!ProgrammingCertificate::WritePdf(m_record, path, &error)) {
        QMessageBox::warning(this, tr("Save certificate"), error);
        return;
    }
    StatusNote::Show(this, tr("Certificate saved as %1.").arg(QDir::toNativeSeparators(path)));
}

void DisconnectDialog::PrintCertificate()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) {
        ProgrammingCertificate::Print(m_record, &printer);
    }
}
