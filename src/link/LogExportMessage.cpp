#include "link/LogExportMessage.h"

#include <QMessageBox>

void LogExportMessage::Show(bool created, const QString& filename)
{
    QMessageBox box;
    if (created) {
        box.setIcon(QMessageBox::Information);
        box.setText(tr("File created ") + filename + QLatin1Char('.'));
    } else {
        box.setIcon(QMessageBox::Warning);
        box.setText(filename + tr(" could not be created."));
        box.setInformativeText(tr("Check access permissions."));
    }
    box.exec();
}
