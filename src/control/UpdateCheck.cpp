#include "control/UpdateCheck.h"

#include "app/UpdateImages.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr int FamilyLength = 6;

} // namespace

UpdateCheck::UpdateCheck(const QString& imagePath, const QString& deviceVersion, bool force)
{
    const QString name = QFileInfo(imagePath).fileName();
    const QString imageVersion = UpdateImages::VersionInName(name);
    const QString family = imageVersion.left(FamilyLength);
    if (imageVersion.isEmpty()) {
        Refuse(Verdict::Refused,
            tr("The name of the image %1 tells no family and version (such as 050200_03_00_00.img).")
                .arg(name));
    } else if (deviceVersion.left(FamilyLength) != family) {
        Refuse(Verdict::Refused,
            tr("The image %1 is made for the family %2; the Identifier's firmware %3 is not of that family.")
                .arg(name, family, deviceVersion));
    } else if (!force && imageVersion <= deviceVersion) {
        Refuse(Verdict::NotNewer,
            tr("The image %1 (version %2) is not newer than the Identifier's firmware %3.")
                .arg(name, imageVersion, deviceVersion));
    } else {
        ReadWhole(imagePath);
    }
}

void UpdateCheck::Refuse(Verdict verdict, const QString& reason)
{
    m_verdict = verdict;
    m_reason = reason;
}

// Read to its end, so that a file that breaks off part way is found now
// rather than with the device already in its boot loader.
void UpdateCheck::ReadWhole(const QString& imagePath)
{
    QFile file(imagePath);
    qint64 total = 0;
    qint64 got = -1;
    if (file.open(QIODevice::ReadOnly)) {
        char buffer[64 * 1024];
        while ((got = file.read(buffer, sizeof buffer)) > 0) {
            total += got;
        }
    }
    const QString name = QFileInfo(imagePath).fileName();
    if (got < 0) {
        Refuse(Verdict::Refused, tr("The image %1 cannot be read: %2").arg(name, file.errorString()));
    } else if (total == 0) {
        Refuse(Verdict::Refused, tr("The image %1 is empty.").arg(name));
    }
}
