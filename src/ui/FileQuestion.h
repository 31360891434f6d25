#pragma once

#include <QString>

class QWidget;

// Asks the user for a file to save or open. The dialog starts in the folder
// last used for that kind of file (kept in the settings), else in the
// documents folder, else the home folder; and while it is open the
// connection manager's boxes are held back, so that none pops up over it.
class FileQuestion {
public:
    // The kinds of file whose folders are remembered apart.
    enum class Kind {
        Profile,
        Certificate,
        VoyageExport,
        HistoryExport,
        Comparison,
        ConsoleView,
        ConfigurationLog
    };

    // name: the file name offered, may be empty. Empty when cancelled.
    static QString Save(QWidget* parent, Kind kind, const QString& title, const QString& name,
        const QString& filters, QString* selectedFilter = nullptr);
    static QString Open(QWidget* parent, Kind kind, const QString& title, const QString& filters);
    // A folder that does not exist would be offered as the file's name.
    static QString StartFolder(Kind kind);

private:
    static QString SettingsKey(Kind kind);
    static QString Remember(Kind kind, const QString& path);
};
