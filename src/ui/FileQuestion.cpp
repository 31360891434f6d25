#include "ui/FileQuestion.h"

#include "app/VelmoraApplication.h"
#include "link/cConnectionManager.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
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

QString FileQuestion::Save(
    QWidget* parent, const QString& title, const QString& name, const QString& filters, QString* selectedFilter)
{
    const PromptSuppression suppression;
    const QString start = name.isEmpty() ? StartFolder() : QDir(StartFolder()).filePath(name);
    return QFileDialog::getSaveFileName(parent, title, start, filters, selectedFilter);
}

QString FileQuestion::Open(QWidget* parent, const QString& title, const QString& filters)
{
    const PromptSuppression suppression;
    return QFileDialog::getOpenFileName(parent, title, StartFolder(), filters);
}

QString FileQuestion::StartFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}
