#include "app/InstallLayout.h"
#include "app/PlatformInfo.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
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

    // Where the install rules put the programs and the translations, read
    // from the build's own install script.
    void installedProgramsFindTheInstalledTranslations()
    {
        QFile script(QStringLiteral(BINARY_DIR "/cmake_install.cmake"));
        QVERIFY(script.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(script.readAll());
        static const QRegularExpression rule(QStringLiteral(
            "file\\(INSTALL DESTINATION \"\\$\\{CMAKE_INSTALL_PREFIX\\}/([^\"]*)\"[^)]*FILES([^)]*)\\)"));
        QMap<QString, QString> destinations;
        for (auto match = rule.globalMatch(text); match.hasNext();) {
            const QRegularExpressionMatch found = match.next();
            for (const QString& file : { QStringLiteral("velmora_de.qm\""), QStringLiteral("/velmora\""),
                     QStringLiteral("/Flashwell\"") }) {
                if (found.captured(2).contains(file))
                    destinations.insert(file, found.captured(1));
            }
        }
        if (!destinations.contains(QStringLiteral("velmora_de.qm\"")))
            QSKIP("this build installs no translations");
        QTemporaryDir root;
        const QString prefix = root.path() + QLatin1Char('/');
        const QString translations = prefix + destinations.value(QStringLiteral("velmora_de.qm\""));
        QVERIFY(QDir().mkpath(translations));
        // Only the installed ones: a file in the working folder must not
        // change an installed program's texts.
        for (const QString& program : { QStringLiteral("/velmora\""), QStringLiteral("/Flashwell\"") }) {
            QVERIFY2(destinations.contains(program), qPrintable(program));
            QCOMPARE(InstallLayout::TranslationFolders(prefix + destinations.value(program)),
                QStringList { translations });
        }
        QVERIFY(InstallLayout::TranslationFolders(QStringLiteral(BINARY_DIR)).contains(QStringLiteral(".")));
    }
};

QTEST_GUILESS_MAIN(TestInstallLayout)
#include "TestInstallLayout.moc"
