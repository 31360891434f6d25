#include "ui/FileQuestion.h"

#include "app/VelmoraApplication.h"
#include "link/cConnectionManager.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

// Outside the program (no application object of its own, as in the page
// tests) there is nothing to hold back.
class PromptSuppression {
public:
    PromptSuppression()
    {
        auto* application = qobject_cast<VelmoraApplication*>(QCoreApplication::instance());
        manager = application ? application->GetConnectionManager() : nullptr;
        if (manager) {
            manager->SetPromptsSuppressed(true);
        }
    }
    ~PromptSuppression()
    {
        if (manager) {
            manager->SetPromptsSuppressed(false);
        }
    }
    PromptSuppression(const PromptSuppression&) = delete;
    PromptSuppression& operator=(const PromptSuppression&) = delete;

private:
    cConnectionManager* manager = nullptr;
};

} // namespace

QString FileQuestion::Save(QWidget* parent, Kind kind, const QString& title, const QString& name,
    const QString& filters, QString* selectedFilter)
{
    const PromptSuppression suppression;
    const QString folder = StartFolder(kind);
    const QString start = name.isEmpty() ? folder : QDir(folder).filePath(name);
    return Remember(kind, QFileDialog::getSaveFileName(parent, title, start, filters, selectedFilter));
}

QString FileQuestion::Open(QWidget* parent, Kind kind, const QString& title, const QString& filters)
{
    const PromptSuppression suppression;
    return Remember(kind, QFileDialog::getOpenFileName(parent, title, StartFolder(kind), filters));
}

QString FileQuestion::StartFolder(Kind kind)
{
    const QString last = QSettings().value(SettingsKey(kind)).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString FileQuestion::SettingsKey(Kind kind)
{
    const QString folders = QStringLiteral("Folders/");
    switch (kind) {
    case Kind::Profile:
        return folders + QStringLiteral("profiles");
    case Kind::Certificate:
        return folders + QStringLiteral("certificates");
    case Kind::VoyageExport:
        return folders + QStringLiteral("voyageExports");
    case Kind::HistoryExport:
        return folders + QStringLiteral("historyExports");
    case Kind::Comparison:
        return folders + QStringLiteral("comparisons");
    case Kind::ConsoleView:
        return folders + QStringLiteral("consoleViews");
    case Kind::ConfigurationLog:
        return folders + QStringLiteral("configurationLogs");
    }
    return folders;
}

// Returns path, so that the question and the remembering read as one.
QString FileQuestion::Remember(Kind kind, const QString& path)
{
    if (!path.isEmpty())
        QSettings().setValue(SettingsKey(kind), QFileInfo(path).absolutePath());
    return path;
}
