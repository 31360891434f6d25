#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

// Tells the user, in a modal box, how an export of the configuration log went.
// Connect LogFile::ExportFinished to Show.
class LogExportMessage {
    Q_DECLARE_TR_FUNCTIONS(LogExportMessage)

public:
    static void Show(bool created, const QString& filename);
    // The same for any export: createdText goes before the file name.
    static void ShowResult(
        bool created, const QString& filename, const QString& createdText, QWidget* parent);
};
