#pragma once

#include <QString>

// The update log: every step with its time stamp, appended to a file in the
// system's temporary folder and kept in memory for the clipboard, so that the
// user can hand it on even when the file cannot be written.
class cUpdateLog {
public:
    static QString filePath();

    void write(const QString& message);
    QString text() const { return logText; }

private:
    QString logText;
};
