#include "app/InstallLayout.h"

#include "app/PlatformInfo.h"

#include <QDir>
#include <QFileInfo>

// The build passes the installed folders relative to the installed program,
// so a package that is unpacked or relocated elsewhere still finds them.
#ifndef VELMORA_UPDATER_FROM_BIN
#error "VELMORA_UPDATER_FROM_BIN must name the updater's folder relative to the program's"
#endif
#ifndef VELMORA_DATA_FROM_BIN
#error "VELMORA_DATA_FROM_BIN must name the data folder relative to the program's"
#endif
#ifndef VELMORA_DATA_FROM_UPDATER
#error "VELMORA_DATA_FROM_UPDATER must name the data folder relative to the updater's"
#endif

namespace {
const QString ImageFolderName = QStringLiteral("AISImage");

QString Below(const QString& folder, const QString& relative)
{
    return QDir::cleanPath(folder + QLatin1Char('/') + relative);
}
} // namespace

QString InstallLayout::UpdaterProgram(const QString& programFolder)
{
    const QString beside
        = Below(programFolder, ImageFolderName + QLatin1Char('/') + PlatformInfo::UpdaterFileName());
    if (QFileInfo(beside).isFile()) {
        return beside;
    }
    return Below(
        programFolder, QStringLiteral(VELMORA_UPDATER_FROM_BIN "/") + PlatformInfo::UpdaterFileName());
}

QStringList InstallLayout::ImageFolders(const QString& programFolder, const QString& userDataFolder)
{
    return { Below(programFolder, ImageFolderName),
        Below(programFolder, QStringLiteral(VELMORA_DATA_FROM_BIN "/") + ImageFolderName),
        Below(userDataFolder, ImageFolderName) };
}

QStringList InstallLayout::TranslationFolders(const QString& programFolder)
{
    QStringList installed;
    for (const QString& folder : { Below(programFolder, QStringLiteral(VELMORA_DATA_FROM_BIN "/translations")),
             Below(programFolder, QStringLiteral(VELMORA_DATA_FROM_UPDATER "/translations")) }) {
        if (QFileInfo(folder).isDir()) {
            installed << folder;
        }
    }
    if (!installed.isEmpty()) {
        return installed;
    }
    return { QStringLiteral("."), programFolder, Below(programFolder, QStringLiteral("..")) };
}
