#include "link/LogExportMessage.h"

#include <QMessageBox>

void LogExportMessage::Show(bool created, const QString& filename)
{
    ShowResult(created, filename, tr("File created "), nullptr);
}

void LogExportMessage::ShowResult(
    bool created, const QString& filename, const QString& createdText, QWidget* parent)
{
    QMessageBox box(parent);
    if (created) {
        box.setIcon(QMessageBox::Information);
        box.setText(createdText + filename + QLatin1Char('.'));
    } else {
        box.setIcon(QMessageBox::Warning);
        box.setText(filename + tr(" could not be created."));
        box.setInformativeText(tr("Check access permissions."));
    }
    box.exec();
}
