#include "ExternalReaders.h"
#include "ModalDriver.h"
#include "app/JobNames.h"
#include "control/StateMachineBench.h"
#include "protocol/NmeaSentence.h"
#include "voyage/VoyageLogTab.h"

#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

namespace {

constexpr int LogSize = 300;
const QString kmlFilter = QStringLiteral("Keyhole Markup Language (*.kml)");
const QString csvFilter = QStringLiteral("Comma Separated Values (*.csv)");

SimConfig Device()
{
    SimConfig config = QuickDevice();
    config.voyageGenerate = LogSize;
    config.settings.insert(QStringLiteral("logPeriod"), 3700);
    return config;
}

// The device's log as the program reads it from the device's sentences.
QVector<VoyageRecord> DeviceRecords(const SimulatedIdentifier& device)
{
    QVector<VoyageRecord> records;
    for (const SimVoyageRecord& stored : device.state().voyageLog.records()) {
        VoyageRecord record;
        VoyageRecord::decode(NmeaSentence::frame(SimVoyageLog::vdrBody(stored)), record);
        records.append(record);
    }
    return records;
}

// A position as ogrinfo writes it: the file's six decimals, no trailing zeros.
QString OgrPosition(const VoyageRecord& record)
{
    const auto number
        = [](double value) { return QString::number(QString::number(value, 'f', 6).toDouble(), 'g', 15); };
    return number(record.longitude) + ' ' + number(record.latitude) + QStringLiteral(" 0");
}

// What ogrinfo should list for the device's log: the track through every
// located record, then a point for each.
QStringList ExpectedGeometries(const QVector<VoyageRecord>& records)
{
    QStringList vertices;
    QStringList points;
    for (const VoyageRecord& record : records) {
        if (record.hasPosition()) {
            vertices << OgrPosition(record);
            points << QStringLiteral("POINT Z (%1)").arg(OgrPosition(record));
        }
    }
    return QStringList(QStringLiteral("LINESTRING Z (%1)").arg(vertices.join(','))) + points;
}

} // namespace

// Stands in for the main window: passes the page's request to clear the
// device's log on to the state machine.
class Window : public QWidget {
    Q_OBJECT

public:
    StateMachine* machine = nullptr;

public slots:
    void OnClearVoyageLog() { machine->OnClearVoyageLog(); }
};

// The voyage page on a live link to a simulated Identifier in this process:
// the state machine's bench, with the page wired as the application and the
// main window wire it.
struct Rig {
    Rig()
        : bench(Device())
        , machine(*bench.machine)
        , device(bench.device)
    {
        window.machine = &machine;
        tab = new VoyageLogTab(&bench.tabModel, &window);
        Wire();
    }

    void Wire()
    {
        QObject::connect(bench.transport.get(), &Transport::Received, tab, &VoyageLogTab::OnReceived);
        QObject::connect(&machine, &StateMachine::VoyageLogRequested, tab, &VoyageLogTab::OnLogRequested);
        QObject::connect(tab, &VoyageLogTab::getVoyageDataLog, &machine, &StateMachine::GetTab);
        QObject::connect(tab, &VoyageLogTab::signalSendLogConfiguration, &machine, &StateMachine::SendTab);
        QObject::connect(
            tab, &VoyageLogTab::VoyageSyncComplete, &machine, &StateMachine::OnVoyageSyncComplete);
        QObject::connect(&machine, &StateMachine::UpdateTabFromTransportModel, tab, [this](int page) {
            if (page == VoyageLogTab::TabId) {
                tab->UpdateTabFromModel(&bench.transportModel);
            }
        });
        QObject::connect(&machine, &StateMachine::JobCompleted, tab, [this](const QString& name, bool send) {
            if (name == JobName::VdrConfiguration && send) {
                tab->EnableControls(true);
            }
        });
    }

    // Connects, identifies the device and reads the log settings.
    bool Connect()
    {
        if (!bench.started || !bench.Identify()) {
            return false;
        }
        tab->ClearEntries();
        machine.GetTab(StateMachine::TabVoyageSettings);
        return bench.WaitIdle();
    }

    // Presses "Get Log" and waits for the page to call the transfer ended.
    bool GetLog()
    {
        QSignalSpy complete(tab, &VoyageLogTab::VoyageSyncComplete);
        Button("pushButtonGetLog")->click();
        return complete.wait(20000);
    }

    QPushButton* Button(const char* name) const { return tab->findChild<QPushButton*>(name); }
    bool ButtonsEnabled() const
    {
        return Button("pushButtonGetLog")->isEnabled() && Button("exportButton")->isEnabled()
            && Button("pushButtonClearLog")->isEnabled()
            && Button("pushButtonSendLogConfiguration")->isEnabled();
    }
    QTableWidget* Table() const { return tab->findChild<QTableWidget*>("tableWidget"); }
    int Rows() const { return Table()->rowCount(); }
    // Date and time of a row, as the table shows them.
    QString When(int row) const
    {
        return Table()->item(row, 0)->text() + ' ' + Table()->item(row, 1)->text();
    }
    int DeviceLogSize() const { return device.state().voyageLog.size(); }

    Bench bench;
    StateMachine& machine;
    SimulatedIdentifier& device;
    Window window;
    VoyageLogTab* tab = nullptr;
};

class TestVoyageLogLink : public QObject {
    Q_OBJECT

private:
    QTemporaryDir home;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(UseOwnHome(home));
    }

    void logArrivesAndTheTransferEndsByItself()
    {
        Rig rig;
        QVERIFY(rig.Connect());
        QElapsedTimer clock;
        clock.start();
        qint64 lastRecord = 0;
        QObject::connect(rig.bench.transport.get(), &Transport::Received, rig.tab, [&](const QString& line) {
            if (line.contains(QLatin1String("$PKRX,VDR,"))) {
                lastRecord = clock.elapsed();
            }
        });
        QSignalSpy icons(&rig.machine, &StateMachine::UpdateTabIcon);
        QSignalSpy jobs(&rig.machine, &StateMachine::QueueJob);

        QVERIFY(rig.GetLog());
        const qint64 quiet = clock.elapsed() - lastRecord;
        QVERIFY2(quiet >= 1900 && quiet < 5000, qPrintable(QString::number(quiet)));
        QCOMPARE(rig.Rows(), LogSize);
        QVERIFY(rig.ButtonsEnabled());
        QCOMPARE(icons.last(), QVariantList({ StateMachine::TabVoyage, StateMachine::StateSynchronised }));
        QCOMPARE(rig.machine.State(StateMachine::TabVoyage), int(StateMachine::StateSynchronised));
        // The idle device is polled again after the download.
        QTRY_VERIFY_WITH_TIMEOUT(jobs.contains({ JobName::PollDevice, false }), 5000);

        // A second transfer replaces the first: the table holds the
        // device's log once, in the device's order.
        QVERIFY(rig.GetLog());
        QCOMPARE(rig.Rows(), LogSize);
        const QVector<VoyageRecord> stored = DeviceRecords(rig.device);
        QCOMPARE(rig.When(0), stored.first().date + ' ' + stored.first().time);
        QCOMPARE(rig.When(LogSize - 1), stored.last().date + ' ' + stored.last().time);
        QVERIFY(rig.ButtonsEnabled());
    }

    void logExportsBothWays()
    {
        Rig rig;
        QVERIFY(rig.Connect());
        QVERIFY(rig.GetLog());
        const QString kml = home.filePath("voyage.kml");
        const QString csv = home.filePath("voyage.csv");
        ModalDriver driver;
        driver.Plan(
            { driver.SaveAs(kml, kmlFilter), driver.Note(), driver.SaveAs(csv, csvFilter), driver.Note() });
        rig.Button("exportButton")->click();
        rig.Button("exportButton")->click();
        QVERIFY2(driver.Done(), qPrintable(driver.unexpected.join(", ")));
        QCOMPARE(rig.DeviceLogSize(), LogSize);

        QString error = ExternalReaders::ValidateKml(kml);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QStringList geometries;
        error = ExternalReaders::KmlGeometries(kml, &geometries).error;
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const QStringList expected = ExpectedGeometries(DeviceRecords(rig.device));
        QVERIFY(expected.size() > LogSize / 2 && expected.size() < LogSize + 1);
        QCOMPARE(geometries, expected);

        QJsonArray rows;
        error = ExternalReaders::CsvRows(csv, &rows).error;
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(rows.size(), LogSize + 1);
        for (const QJsonValue& row : rows) {
            QCOMPARE(row.toArray().size(), 13);
        }
    }

    void exportAndClearNeedsAGoodExport_data()
    {
        QTest::addColumn<QString>("exportTo");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("export cancelled") << QString() << false;
        // A folder where no file can be made, even by the superuser.
        QTest::newRow("export failed") << QStringLiteral("/proc/voyage-export-test.csv") << false;
        QTest::newRow("exported") << home.filePath("before-clearing.csv") << true;
    }

    void exportAndClearNeedsAGoodExport()
    {
        QFETCH(QString, exportTo);
        QFETCH(bool, cleared);
        Rig rig;
        QVERIFY(rig.Connect());
        QVERIFY(rig.GetLog());
        QSignalSpy jobs(&rig.machine, &StateMachine::QueueJob);
        ModalDriver driver;
        using Steps = QList<ModalDriver::Step>;
        driver.Plan(exportTo.isEmpty() ? Steps { driver.Click("Export and clear log"), driver.Cancel() }
                                       : Steps { driver.Click("Export and clear log"),
                                           driver.SaveAs(exportTo, csvFilter), driver.Note() });
        rig.Button("pushButtonClearLog")->click();
        // The export follows a fresh fetch of the log.
        QTRY_VERIFY2_WITH_TIMEOUT(driver.Done(), qPrintable(driver.unexpected.join(", ")), 20000);
        QVERIFY(rig.bench.WaitIdle());
        QCOMPARE(jobs.contains({ JobName::ClearVoyageLog, false }), cleared);
        if (cleared) {
            QJsonArray rows;
            QVERIFY(ExternalReaders::CsvRows(exportTo, &rows).error.isEmpty());
            QCOMPARE(rows.size(), LogSize + 1);
            QTRY_COMPARE_WITH_TIMEOUT(rig.DeviceLogSize(), 0, 5000);
            QCOMPARE(rig.Rows(), 0);
        } else {
            QCOMPARE(rig.DeviceLogSize(), LogSize);
            QCOMPARE(rig.Rows(), LogSize);
        }
    }

    void settingsAreSentAndReadBackOnTheStep()
    {
        Rig rig;
        QVERIFY(rig.Connect());
        auto* period = rig.tab->findChild<QSpinBox*>("spinBoxLogPeriod");
        // The device's 3700 s, read with its 300 s report interval.
        QCOMPARE(period->value(), 3600);

        period->setValue(4000);
        rig.tab->findChild<QSpinBox*>("spinBoxLogDistance")->setValue(800);
        QSignalSpy completed(&rig.machine, &StateMachine::JobCompleted);
        rig.Button("pushButtonSendLogConfiguration")->click();
        QVERIFY(!rig.Button("pushButtonGetLog")->isEnabled());
        QVERIFY(completed.wait(5000));
        QVERIFY(rig.bench.WaitIdle());
        QVERIFY(rig.Button("pushButtonGetLog")->isEnabled());
        QCOMPARE(rig.device.state().settings.number("logPeriod"), 3900);
        QCOMPARE(rig.device.state().settings.number("logDistance"), 800);

        rig.bench.tabModel.voyageLog()->setLogPeriod(60);
        rig.machine.GetTab(StateMachine::TabVoyageSettings);
        QVERIFY(rig.bench.WaitIdle());
        QCOMPARE(period->value(), 3900);
        QCOMPARE(rig.bench.tabModel.voyageLog()->logPeriod(), 3900);
    }
};

QTEST_MAIN(TestVoyageLogLink)
#include "TestVoyageLogLink.moc"
