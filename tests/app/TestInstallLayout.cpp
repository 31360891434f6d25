#include "app/InstallLayout.h"
#include "app/PlatformInfo.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// The build-folder layout and the installed one, side by side.
class TestInstallLayout : public QObject {
    Q_OBJECT

private slots:
    void updaterBesideTheProgramFirstElseInstalled()
    {
        QTemporaryDir root;
        const QString bin = root.filePath(QStringLiteral("usr/bin"));
        QVERIFY(QDir().mkpath(bin + QStringLiteral("/AISImage")));
        const QString installed
            = root.filePath(QStringLiteral("usr/libexec/velmora/")) + PlatformInfo::UpdaterFileName();
        QCOMPARE(InstallLayout::UpdaterProgram(bin), installed);

        const QString beside = bin + QStringLiteral("/AISImage/") + PlatformInfo::UpdaterFileName();
        QFile updater(beside);
        QVERIFY(updater.open(QIODevice::WriteOnly));
        updater.close();
        QCOMPARE(InstallLayout::UpdaterProgram(bin), beside);
    }

    void imagesBesideTheProgramThenSharedThenTheUsers()
    {
        const QStringList expected { QStringLiteral("/usr/bin/AISImage"),
            QStringLiteral("/usr/share/velmora/AISImage"),
            QStringLiteral("/home/u/.local/share/Norwake/velmora/AISImage") };
        QCOMPARE(InstallLayout::ImageFolders(
                     QStringLiteral("/usr/bin"), QStringLiteral("/home/u/.local/share/Norwake/velmora")),
            expected);
    }
};

QTEST_GUILESS_MAIN(TestInstallLayout)
#include "TestInstallLayout.moc"
