// Runs the program against the simulated Identifier of `make demo`, walks
// through the three modes and saves a picture of the window in each.
// Usage: ui_screenshot_tour DEMO-CONFIGURATION OUTPUT-FOLDER SUFFIX
// (the suffix tells the pictures of one scale from another, e.g. "@2x").

#include "ProgramDriver.h"

#include "ui/BasicTab.h"

#include <QComboBox>
#include <QDir>
#include <QSpinBox>
#include <QTextStream>

namespace {

bool Save(MainWindow* window, const QString& folder, const QString& name, const QString& suffix)
{
    // Let the last repaint and any pending layout settle first.
    QTest::qWait(200);
    const QString path = QDir(folder).filePath(name + suffix + QStringLiteral(".png"));
    if (window->grab().save(path))
        return true;
    QTextStream(stderr) << "cannot write " << path << '\n';
    return false;
}

// What a user has typed just before programming a new device.
void FillInVessel(BasicTab* basic)
{
    const QPair<const char*, const char*> texts[]
        = { { "lineMMSI", "235123456" }, { "lineVesselName", "SEA SPRITE" }, { "lineCallSign", "GBXY" } };
    for (const auto& text : texts)
        QTest::keyClicks(basic->findChild<QLineEdit*>(QLatin1String(text.first)), QLatin1String(text.second));
    auto* type = basic->findChild<QComboBox*>(QStringLiteral("comboVesselType"));
    type->setCurrentIndex(type->findData(37));
    basic->findChild<QSpinBox*>(QStringLiteral("spinBoxDimensionA"))->setValue(7);
    basic->findChild<QSpinBox*>(QStringLiteral("spinBoxDimensionB"))->setValue(4);
    basic->findChild<QSpinBox*>(QStringLiteral("spinBoxDimensionC"))->setValue(2);
    basic->findChild<QSpinBox*>(QStringLiteral("spinBoxDimensionD"))->setValue(2);
}

int Tour(const QString& configuration, const QString& folder, const QString& suffix)
{
    SimConfig config;
    QString error;
    if (!SimConfig::fromFile(configuration, &config, &error)) {
        QTextStream(stderr) << configuration << ": " << error << '\n';
        return 1;
    }
    ProgramDriver program(config);
    if (!program.Start() || !program.WaitIdle()) {
        QTextStream(stderr) << "the program did not connect to the simulated Identifier\n";
        return 1;
    }
    MainWindow* window = program.Window();
    FillInVessel(window->GetBasicTab());
    bool saved = Save(window, folder, QStringLiteral("basic-mode"), suffix);

    program.ClickMode(QStringLiteral("Diagnostic mode"));
    saved = program.WaitIdle() && Save(window, folder, QStringLiteral("diagnostic-mode"), suffix) && saved;

    program.LogIn(QStringLiteral("harbour"));
    saved = program.WaitIdle() && Save(window, folder, QStringLiteral("advanced-mode"), suffix) && saved;
    return saved ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir userFolder;
    UiTest::UseUserFolder(userFolder.path());
    if (argc != 4) {
        QTextStream(stderr) << "usage: ui_screenshot_tour DEMO-CONFIGURATION OUTPUT-FOLDER SUFFIX\n";
        return 2;
    }
    const QString configuration = QString::fromLocal8Bit(argv[1]);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    const QString suffix = QString::fromLocal8Bit(argv[3]);
    // The program's own start-up attributes, so that pictures are drawn as a
    // user would see them at the chosen scale.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    int noArguments = 1;
    VelmoraApplication application(noArguments, argv);
    return Tour(configuration, folder, suffix);
}
