#include "ProgramDriver.h"

#include "app/InstallLayout.h"
#include "app/ProgramIdentity.h"

#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>

// The window against a simulated Identifier left in its boot loader: the
// offer, the family question, the transfer and the version the device then
// reports. The port has a fixed name (a link to the simulator's terminal), so
// that what was seen on it before is remembered, as for a real port.
class TestRecoveryEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void recoversADeviceWaitingInItsBootLoader_data();
    void recoversADeviceWaitingInItsBootLoader();
    void aTransferCutMidwayIsRecoveredOnTheNextConnection();
    void theWrongFamilyIsNeverCalledRecovered();

private:
    // The device on the fixed port, the window started and looking at it.
    bool Plug(ProgramDriver& program) const;
    static SimConfig Device(const QString& version, int baud);
    // The visible box of that name once one shows a text holding `part`.
    static QMessageBox* BoxShowing(const char* name, const QString& part);
    // Answers the family question with `family`; what the question showed
    // first is kept in *preselected and *image.
    static void ChooseFamily(const QString& family, QString* preselected, QString* image);

    QTemporaryDir folder;
};

SimConfig TestRecoveryEndToEnd::Device(const QString& version, int baud)
{
    SimConfig config;
    config.version = version;
    config.baud = baud;
    config.replyDelayMs = 5;
    config.bootWaitingIntervalMs = 500;
    return config;
}

bool TestRecoveryEndToEnd::Plug(ProgramDriver& program) const
{
    const QString port = folder.filePath(QStringLiteral("identifier"));
    QFile::remove(port);
    if (!program.Start() || !QFile::link(program.device.portPath(), port))
        return false;
    VelmoraApplication::Instance()->GetConnectionManager()->SetPortPath(port);
    return true;
}

QMessageBox* TestRecoveryEndToEnd::BoxShowing(const char* name, const QString& part)
{
    QMessageBox* shown = nullptr;
    const bool found = QTest::qWaitFor(
        [&shown, name, part] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(top);
                if (box && box->objectName() == QLatin1String(name) && box->isVisible()
                    && box->text().contains(part))
                    shown = box;
            }
            return shown != nullptr;
        },
        90000);
    if (!found)
        qWarning("no box %s showed \"%s\"", name, qPrintable(part));
    return shown;
}

void TestRecoveryEndToEnd::ChooseFamily(const QString& family, QString* preselected, QString* image)
{
    UiTest::AnswerNextModal(
        [family, preselected, image](QWidget* question) {
            for (QRadioButton* choice : question->findChildren<QRadioButton*>()) {
                if (choice->isChecked())
                    *preselected = choice->objectName();
            }
            *image = question->findChild<QLabel*>(QStringLiteral("imageLabel"))->text();
            question->findChild<QRadioButton*>(QStringLiteral("family") + family)->click();
            UiTest::ClickButton(question, "recoverButton");
        },
        10000);
}

void TestRecoveryEndToEnd::recoversADeviceWaitingInItsBootLoader_data()
{
    QTest::addColumn<int>("baud");
    QTest::newRow("application at 115200") << 115200;
    QTest::newRow("application at 38400") << 38400;
}

// Seen running on the port first, then found there waiting in its boot
// loader: its family is the one offered.
void TestRecoveryEndToEnd::recoversADeviceWaitingInItsBootLoader()
{
    QFETCH(int, baud);
    {
        ProgramDriver running(Device(QStringLiteral("160200.01.00.00"), baud));
        QVERIFY(Plug(running));
        QVERIFY(running.WaitIdle(60000));
    }
    SimConfig waiting = Device(QStringLiteral("160200.01.00.00"), baud);
    waiting.bootLoaderOnly = true;
    ProgramDriver program(waiting);
    QVERIFY(Plug(program));
    QMessageBox* offer
        = BoxShowing("recoveryOffer", QStringLiteral("waiting in its boot loader for firmware"));
    QVERIFY(offer);
    QString preselected;
    QString image;
    ChooseFamily(QStringLiteral("160200"), &preselected, &image);
    offer->findChild<QPushButton*>(QStringLiteral("recoverButton"))->click();
    QVERIFY(BoxShowing("recoveryOutcome", QStringLiteral("the firmware is now 160200.02.00.00")));
    QCOMPARE(preselected, QStringLiteral("family160200"));
    QVERIFY2(image.contains(QStringLiteral("160200.02.00.00")), qPrintable(image));
    QCOMPARE(program.device.state().firmwareVersion, QStringLiteral("160200.02.00.00"));
    QVERIFY(program.WaitIdle(60000));
}

// The boot loader cancels the first transfer after one block, as a pulled
// cable would: the user is told, and the device is offered again.
void TestRecoveryEndToEnd::aTransferCutMidwayIsRecoveredOnTheNextConnection()
{
    SimConfig config = Device(QStringLiteral("050200.02.01.00"), 115200);
    config.bootLoaderOnly = true;
    config.faults.cancelAfterBlocks = 1;
    ProgramDriver program(config);
    QVERIFY(Plug(program));
    QString preselected;
    QString image;
    for (int attempt = 0; attempt < 2; ++attempt) {
        QMessageBox* offer = BoxShowing("recoveryOffer", QStringLiteral("boot loader"));
        QVERIFY(offer);
        ChooseFamily(QStringLiteral("050200"), &preselected, &image);
        offer->findChild<QPushButton*>(QStringLiteral("recoverButton"))->click();
        if (attempt == 0)
            QVERIFY(BoxShowing("recoveryOutcome", QStringLiteral("connect it again to recover it")));
    }
    QVERIFY(BoxShowing("recoveryOutcome", QStringLiteral("the firmware is now 050200.03.00.00")));
    QCOMPARE(program.device.state().firmwareVersion, QStringLiteral("050200.03.00.00"));
}

// A whole image of the other family leaves the boot loader waiting: the
// window does not call the device recovered, and offers it again.
void TestRecoveryEndToEnd::theWrongFamilyIsNeverCalledRecovered()
{
    SimConfig config = Device(QStringLiteral("050200.02.01.00"), 115200);
    config.bootLoaderOnly = true;
    ProgramDriver program(config);
    QVERIFY(Plug(program));
    QString preselected;
    QString image;
    for (const QString& family : { QStringLiteral("160200"), QStringLiteral("050200") }) {
        QMessageBox* offer = BoxShowing("recoveryOffer", QStringLiteral("boot loader"));
        QVERIFY(offer);
        ChooseFamily(family, &preselected, &image);
        offer->findChild<QPushButton*>(QStringLiteral("recoverButton"))->click();
        if (family == QLatin1String("160200")) {
            QMessageBox* outcome = BoxShowing("recoveryOutcome", QStringLiteral("The image"));
            QVERIFY(outcome);
            QVERIFY2(!outcome->text().contains(QStringLiteral("Recovered")), qPrintable(outcome->text()));
            QCOMPARE(program.device.mode(), SimulatedIdentifier::Mode::BootLoader);
            outcome->close();
        }
    }
    QVERIFY(BoxShowing("recoveryOutcome", QStringLiteral("the firmware is now 050200.03.00.00")));
}

// Images of both families, where the program looks for them.
int main(int argc, char** argv)
{
    QTemporaryDir userFolder;
    UiTest::UseUserFolder(userFolder.path());
    ProgramIdentity::Apply();
    const QString images = InstallLayout::ImageFolders(
        QString(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                               .last();
    QDir().mkpath(images);
    for (const char* version : { "050200.03.00.00", "160200.02.00.00" }) {
        QFile image(images + QLatin1Char('/')
            + QString::fromLatin1(version).replace(QLatin1Char('.'), QLatin1Char('_'))
            + QStringLiteral(".img"));
        if (!image.open(QIODevice::WriteOnly)
            || image.write(QByteArray("IDENTIFIER FIRMWARE ") + version + '\n' + QByteArray(3000, '\x5a'))
                < 0)
            return 1;
    }
    VelmoraApplication application(argc, argv);
    TestRecoveryEndToEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestRecoveryEndToEnd.moc"
