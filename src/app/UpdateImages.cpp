#include "app/UpdateImages.h"

#include "app/InstallLayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {
// In the order of UpdateImages::images.
const QLatin1String Families[] = { QLatin1String("050200"), QLatin1String("160200") };
} // namespace

QStringList UpdateImages::DefaultFolders()
{
    return InstallLayout::ImageFolders(QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

void UpdateImages::Scan(const QStringList& folders)
{
    for (Image& image : images) {
        image = Image();
    }
    // Sorted by name so that of two images with the same version the same one
    // wins on every platform.
    for (const QString& folder : folders) {
        const QFileInfoList files
            = QDir(folder).entryInfoList({ QStringLiteral("*.img") }, QDir::Files, QDir::Name);
        for (const QFileInfo& file : files) {
            Consider(file);
        }
    }
}

const UpdateImages::Image& UpdateImages::Newest(bool family160200) const
{
    return images[family160200 ? 1 : 0];
}

// A name that carries a family prefix belongs to that family, even when its
// version is malformed: such a name carries no version, rather than one of
// the other family.
QString UpdateImages::VersionInName(const QString& fileName)
{
    const QString name = QFileInfo(fileName).baseName();
    for (const QLatin1String& family : Families) {
        const QString prefix = family + QLatin1Char('_');
        if (!name.contains(prefix)) {
            continue;
        }
        const QRegularExpression pattern(prefix + QStringLiteral("[0-9]{2}_[0-9]{2}_[0-9]{2}"));
        const QRegularExpressionMatch match = pattern.match(name);
        return match.hasMatch() ? name.mid(match.capturedStart()).replace(QLatin1Char('_'), QLatin1Char('.'))
                                : QString();
    }
    return QString();
}

void UpdateImages::Consider(const QFileInfo& file)
{
    const QString version = VersionInName(file.fileName());
    if (version.isEmpty()) {
        return;
    }
    Image& image = images[version.startsWith(Families[1]) ? 1 : 0];
    image.present = true;
    if (image.version < version) {
        image.version = version;
        image.path = file.absoluteFilePath();
    }
}
