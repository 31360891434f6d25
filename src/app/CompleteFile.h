#pragma once

#include <QByteArray>
#include <QString>

// Writes a file the user keeps: an existing file is replaced only once the new
// one is complete, so a failed write leaves the old one as it was.
class CompleteFile {
public:
    // False with a message naming the file when it could not be written.
    static bool Write(const QString& path, const QByteArray& bytes, QString* error);
};
