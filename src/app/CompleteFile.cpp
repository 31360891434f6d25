#include "app/CompleteFile.h"

#include <QCoreApplication>
#include <QSaveFile>

bool CompleteFile::Write(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) {
        return true;
    }
    if (error) {
        *error = QCoreApplication::translate("CompleteFile", "Cannot write %1: %2")
                     .arg(path, file.errorString());
    }
    return false;
}
