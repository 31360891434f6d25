// Runs the program against the simulated Identifier of `make demo`, walks
// through every page of the three modes and opens every dialog, and saves a
// picture of each, and a programming certificate as PDF.
// Usage: ui_screenshot_tour DEMO-CONFIGURATION OUTPUT-FOLDER SUFFIX
// (the suffix tells the pictures of one scale from another, e.g. "@2x").
// The texts are in the system's language, as in the program: LANGUAGE=de
// gives the German pictures.

#include "ProgramTour.h"

#include "certificate/ProgrammingCertificate.h"

#include <QDir>
#include <QTextStream>

namespace {

// Pictures of what each stop of the tour shows.
class Camera {
public:
    Camera(const QString& folder, const QString& suffix)
        : folder(folder)
        , suffix(suffix)
    {
    }

    bool Take(QWidget* widget, const QString& name) const
    {
        // Let the last repaint and any pending layout settle first.
        QTest::qWait(200);
        const QString path = QDir(folder).filePath(name + suffix + QStringLiteral(".png"));
        if (widget->grab().save(path))
            return true;
        QTextStream(stderr) << "cannot write " << path << '\n';
        return false;
    }

private:
    QString folder;
    QString suffix;
};

// The owner's certificate of a verified programming, as a PDF beside the
// pictures; make-screenshots.sh turns it into one.
bool WriteCertificate(const QString& folder)
{
    Model model;
    ProgramTour::ProgrammedVessel(&model);
    ProfileOrigin origin;
    origin.savedAt = QDateTime(QDate(2024, 5, 14), QTime(9, 30), Qt::UTC);
    origin.savedBy = QStringLiteral("dealer");
    origin.computer = QStringLiteral("BENCH-2");
    origin.firmware = QStringLiteral("050200.02.01.00");
    origin.generation = 2;
    origin.serialNumber = QStringLiteral("205170031442");
    const ProgrammingRecord record
        = ProgrammingHistory::RecordOf(Profile::FromModel(model, origin), true, QStringLiteral("window"));
    QString error;
    if (ProgrammingCertificate::WritePdf(
            record, QDir(folder).filePath(QStringLiteral("certificate.pdf")), &error))
        return true;
    QTextStream(stderr) << error << '\n';
    return false;
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
    // The program's own start-up attributes, so that pictures are drawn as a
    // user would see them at the chosen scale.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    int noArguments = 1;
    VelmoraApplication application(noArguments, argv);
    const Camera camera(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    const bool toured = ProgramTour::Run(QString::fromLocal8Bit(argv[1]),
        [&camera](QWidget* shown, const QString& name) { return camera.Take(shown, name); });
    return toured && WriteCertificate(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
