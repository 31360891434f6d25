#pragma once

#include "app/AdvancedPassword.h"

#include <QString>
#include <QStringList>

// The user's persistent settings, kept in the platform's native store under
// the application's organisation and name. Every load and save opens the
// store afresh; values that do not read back as their type take the default.
class AppSettings {
public:
    void Load();
    // Writes every stored setting; false if the store could not be written.
    bool Save();
    // Saves only when something changed since the last load or save.
    bool SaveIfChanged();
    bool IsChanged() const;

    QString LogFilename() const;
    void SetLogFilename(const QString& name);
    QString PortName() const;
    void SetPortName(const QString& name);
    // Kept as the store has it: nothing in the program changes it.
    bool FccAccept() const;
    // Read only: whether the serial console also shows the sent lines.
    bool ShowTransmit() const;
    // The serial console's sent lines, oldest first, as stored: the console
    // checks them.
    QStringList ConsoleHistory() const;
    void SetConsoleHistory(const QStringList& lines);

    const AdvancedPassword& Password() const;
    // Sets the advanced password and saves at once; false if the save failed.
    bool SetPassword(const QString& text);

private:
    void SetText(QString* value, const QString& text);

    QString logFilename;
    QString portName;
    bool fccAccept = false;
    bool showTransmit = false;
    QStringList consoleHistory;
    AdvancedPassword password;
    bool changed = false;
};
