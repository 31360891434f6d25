#include "ModalDriver.h"
#include "VoyageTestSupport.h"
#include "model/Model.h"
#include "voyage/VoyageLogTab.h"

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

namespace {

const QString located = vdrLine("123519,5130.1234,N,00012.3456,W,12.3,270.5,010126, 3.61,A,V,V,V,V");
const QString unlocated = vdrLine("130000,,N,,E,,,010126,,V,A,V,A,V");
const QString kmlFilter = QStringLiteral("Keyhole Markup Language (*.kml)");
const QString csvFilter = QStringLiteral("Comma Separated Values (*.csv)");

QString readText(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll())
                                          : QStringLiteral("<unreadable>");
}

} // namespace

// Stands in for the main window, which the tab asks to clear the device's log.
class Window : public QWidget {
    Q_OBJECT

public:
    int clearRequests = 0;

public slots:
    void OnClearVoyageLog() { ++clearRequests; }
};

class TestVoyageLogTab : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;
    Model model;
    Window* window = nullptr;
    VoyageLogTab* tab = nullptr;

    QTableWidget* Table() const { return tab->findChild<QTableWidget*>("tableWidget"); }
    QSpinBox* Period() const { return tab->findChild<QSpinBox*>("spinBoxLogPeriod"); }
    QTimer* VdrTimer() const { return tab->findChild<QTimer*>("vdrTimer"); }
    QString Cell(int row, int column) const { return Table()->item(row, column)->text(); }
    // What the device falling silent does at the end of a transfer.
    void EndTransfer() { QVERIFY(QMetaObject::invokeMethod(VdrTimer(), "timeout")); }

    // Whether each of the four buttons can be pressed.
    QString Buttons() const
    {
        QString state;
        for (const char* name :
            { "pushButtonGetLog", "exportButton", "pushButtonClearLog", "pushButtonSendLogConfiguration" }) {
            state += tab->findChild<QPushButton*>(name)->isEnabled() ? '1' : '0';
        }
        return state;
    }

    void Receive(const QStringList& lines)
    {
        for (const QString& line : lines) {
            tab->OnReceived(line);
        }
    }

private slots:
    void initTestCase() { QVERIFY(UseOwnHome(dir)); }

    void init()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        *model.voyageLog() = VoyageLog();
        *model.messages() = Messages();
        window = new Window;
        tab = new VoyageLogTab(&model, window);
    }

    void cleanup()
    {
        delete window;
        QLocale::setDefault(QLocale::c());
    }

    void tableHasTwelveReadOnlyColumns()
    {
        QStringList headers;
        for (int column = 0; column < Table()->columnCount(); ++column) {
            headers << Table()->horizontalHeaderItem(column)->text().replace(
                QLatin1Char('\n'), QLatin1Char(' '));
        }
        QCOMPARE(headers,
            QStringList({ "Date", "Time", "Latitude", "Longitude", "SOG", "COG", "Bat. volts", "Off bracket",
                "SOS", "Geofence", "Power fail", "ID error" }));
        QCOMPARE(Table()->editTriggers(), QAbstractItemView::NoEditTriggers);
        QVERIFY(!VdrTimer()->isActive());
    }

    void recordFillsRow_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("located") << "en_GB" << located
                                 << QStringList({ "2026-01-01", "12:35:19", "51.502057", "-0.205760", "12.3",
                                        "270.5", "3.61" });
        QTest::newRow("missing fields stay empty")
            << "en_GB" << unlocated << QStringList({ "2026-01-01", "13:00:00", "", "", "", "", "" });
        QTest::newRow("decimal comma locale")
            << "de_DE" << located
            << QStringList({ "2026-01-01", "12:35:19", "51,502057", "-0,205760", "12,3", "270,5", "3,61" });
    }

    void recordFillsRow()
    {
        QFETCH(QString, locale);
        QFETCH(QString, line);
        QFETCH(QStringList, cells);
        QLocale::setDefault(QLocale(locale));
        // The year comes from today's century.
        const QString thisCentury = QString::number(QDate::currentDate().year() / 100);
        cells[0].replace(0, 2, thisCentury);
        tab->OnReceived(line);
        QCOMPARE(Table()->rowCount(), 1);
        QStringList shown;
        for (int column = 0; column < cells.size(); ++column) {
            shown << Cell(0, column);
        }
        QCOMPARE(shown, cells);
        QCOMPARE(Table()->item(0, 2)->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));
        QCOMPARE(Table()->item(0, 4)->textAlignment(), int(Qt::AlignHCenter | Qt::AlignVCenter));
    }

    // At the page's smallest size the spin boxes keep their height, and the
    // columns show whole dates and coordinates.
    void pageIsReadableAtItsSmallestSize()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        Receive({ vdrLine("123519,3345.1234,S,17012.3456,W,12.3,270.5,010126,3.61,A,V,V,V,V") });
        EndTransfer();
        tab->resize(tab->minimumSizeHint());
        for (const char* name : { "spinBoxLogPeriod", "spinBoxLogDistance" }) {
            auto* spinBox = tab->findChild<QSpinBox*>(name);
            QVERIFY2(spinBox->height() >= spinBox->sizeHint().height(), name);
        }
        QTableWidget* table = Table();
        const int margins = 2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) + 1;
        for (int column : { 0, 1, 2, 3 }) {
            const int needed = table->fontMetrics().horizontalAdvance(Cell(0, column)) + margins;
            QVERIFY2(table->columnWidth(column) >= needed,
                qPrintable(QStringLiteral("%1: %2 < %3")
                               .arg(Cell(0, column))
                               .arg(table->columnWidth(column))
                               .arg(needed)));
        }
        QVERIFY(table->columnWidth(8) >= 65);
    }

    void flagsShowAsFixedCheckMarks()
    {
        tab->OnReceived(unlocated);
        QList<Qt::CheckState> states;
        for (int column = 7; column < 12; ++column) {
            states << Table()->item(0, column)->checkState();
            QCOMPARE(Table()->item(0, column)->flags(), Qt::ItemIsEnabled);
        }
        QCOMPARE(states,
            QList<Qt::CheckState>({ Qt::Unchecked, Qt::Checked, Qt::Unchecked, Qt::Checked, Qt::Unchecked }));
    }

    // The boxes sit in the middle of their cells, under their headers.
    void flagsCentredUnderTheirHeaders()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        tab->OnReceived(unlocated);
        // The box's ends on the cell's middle line, against the cell's background.
        const QImage shown = Table()->viewport()->grab().toImage();
        const QRect cell = Table()->visualRect(Table()->model()->index(0, 8)).adjusted(2, 0, -2, 0);
        const int y = cell.center().y();
        int left = cell.left();
        int right = cell.right();
        while (left < right && shown.pixel(left, y) == shown.pixel(cell.left(), y))
            ++left;
        while (right > left && shown.pixel(right, y) == shown.pixel(cell.right(), y))
            --right;
        QVERIFY2(left < right, "no check box drawn");
        QVERIFY2(qAbs(left + right - 2 * cell.center().x()) <= 4,
            qPrintable(QStringLiteral("box %1..%2 in %3").arg(left).arg(right).arg(cell.center().x())));
    }

    void fetchShowsCountAndProgress()
    {
        auto* bar = tab->findChild<QProgressBar*>("progressBarFetch");
        auto* count = tab->findChild<QLabel*>("labelRecordCount");
        QCOMPARE(count->text(), QStringLiteral("0 records"));
        tab->OnLogRequested();
        QVERIFY(bar->isVisibleTo(tab));
        Receive({ voyageAnswer(3), located });
        QCOMPARE(count->text(), QStringLiteral("1 of 3 records"));
        QCOMPARE(bar->value(), 1);
        QCOMPARE(bar->maximum(), 3);
        Receive({ unlocated, located });
        EndTransfer();
        QVERIFY(!bar->isVisibleTo(tab));
        QCOMPARE(count->text(), QStringLiteral("3 records"));
    }

    void otherLinesAreIgnored()
    {
        Receive({ NmeaSentence::frame("$PKRX,255,appver,1"), NmeaSentence::frame("$GPRMC,,V,,,,,,,,,,N"),
            "$PKRX,VDR" });
        QCOMPARE(Table()->rowCount(), 0);
        QVERIFY(!VdrTimer()->isActive());
    }

    void transferRunsUntilTheDeviceFallsSilent()
    {
        QSignalSpy requests(tab, &VoyageLogTab::getVoyageDataLog);
        QSignalSpy complete(tab, &VoyageLogTab::VoyageSyncComplete);
        QTest::mouseClick(tab->findChild<QPushButton*>("pushButtonGetLog"), Qt::LeftButton);
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests.at(0).at(0).toInt(), 7);
        QCOMPARE(Buttons(), QStringLiteral("0000"));

        tab->OnLogRequested();
        QVERIFY(VdrTimer()->isActive());
        QCOMPARE(VdrTimer()->interval(), 2000);
        Receive({ located, unlocated, located });
        QVERIFY(VdrTimer()->isActive());
        QCOMPARE(Table()->rowCount(), 3);

        EndTransfer();
        QVERIFY(!VdrTimer()->isActive());
        QCOMPARE(complete.size(), 1);
        QCOMPARE(Buttons(), QStringLiteral("1111"));
        QCOMPARE(Table()->rowCount(), 3);

        // The next transfer starts a fresh table with its first record.
        tab->OnLogRequested();
        QCOMPARE(Table()->rowCount(), 3);
        Receive({ unlocated });
        QCOMPARE(Table()->rowCount(), 1);
        QCOMPARE(Cell(0, 1), QStringLiteral("13:00:00"));
    }

    void transferWithoutRecordsEndsAfterTwoSeconds()
    {
        QSignalSpy complete(tab, &VoyageLogTab::VoyageSyncComplete);
        tab->EnableControls(false);
        QElapsedTimer clock;
        clock.start();
        tab->OnLogRequested();
        QVERIFY(complete.wait(5000));
        QVERIFY2(clock.elapsed() >= 1900, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(Buttons(), QStringLiteral("1111"));
        QVERIFY(!VdrTimer()->isActive());
    }

    void connectEmptiesTheTableAndKeepsTheNextRecords()
    {
        Receive({ located, located });
        EndTransfer();
        tab->ClearEntries();
        QCOMPARE(Table()->rowCount(), 0);
        Receive({ located, unlocated });
        QCOMPARE(Table()->rowCount(), 2);
    }

    void sendingSettingsWaitsForTheDevice()
    {
        QSignalSpy sends(tab, &VoyageLogTab::signalSendLogConfiguration);
        QTest::mouseClick(tab->findChild<QPushButton*>("pushButtonSendLogConfiguration"), Qt::LeftButton);
        QCOMPARE(sends.size(), 1);
        QCOMPARE(sends.at(0).at(0).toInt(), 8);
        QCOMPARE(Buttons(), QStringLiteral("0000"));
        tab->EnableControls(true);
        QCOMPARE(Buttons(), QStringLiteral("1111"));
    }

    void loadingAppliesTheStepRule_data()
    {
        QTest::addColumn<int>("period");
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("step");
        QTest::newRow("rounded down") << 3700 << 300 << 3600 << 300;
        QTest::newRow("raised to the interval") << 200 << 300 << 300 << 300;
        QTest::newRow("already a multiple") << 1800 << 60 << 1800 << 60;
        QTest::newRow("no interval leaves period and step") << 3700 << 0 << 3700 << 300;
    }

    void loadingAppliesTheStepRule()
    {
        QFETCH(int, period);
        QFETCH(int, interval);
        QFETCH(int, shown);
        QFETCH(int, step);
        Model device;
        device.voyageLog()->setLogEnabled(false);
        device.voyageLog()->setLogPeriod(period);
        device.voyageLog()->setLogDistance(700);
        device.messages()->setPositionInterval(interval);
        QSignalSpy edits(tab, &TabBase::Edited);
        tab->EnableControls(false);

        QVERIFY(tab->UpdateTabFromModel(&device));
        QCOMPARE(Period()->value(), shown);
        QCOMPARE(Period()->singleStep(), step);
        QVERIFY(!tab->findChild<QGroupBox*>("groupBoxVoyageLog")->isChecked());
        QCOMPARE(tab->findChild<QSpinBox*>("spinBoxLogDistance")->value(), 700);
        QCOMPARE(Buttons(), QStringLiteral("1111"));
        QCOMPARE(model.messages()->positionInterval(), interval);
        // What a send writes is what the page shows.
        QCOMPARE(model.voyageLog()->logPeriod(), shown);
        QCOMPARE(model.voyageLog()->logDistance(), 700);
        QVERIFY(!model.voyageLog()->logEnabled());
        QCOMPARE(edits.size(), 0);
        QVERIFY(!tab->IsEdited());
    }

    void userEditsReachTheModel()
    {
        QSignalSpy edits(tab, &TabBase::Edited);
        tab->findChild<QGroupBox*>("groupBoxVoyageLog")->setChecked(false);
        QCOMPARE(edits.size(), 1);
        QVERIFY(tab->IsEdited());
        QVERIFY(!model.voyageLog()->logEnabled());

        tab->findChild<QSpinBox*>("spinBoxLogDistance")->setValue(800);
        QCOMPARE(model.voyageLog()->logDistance(), 800);
        QCOMPARE(edits.size(), 2);

        Period()->setValue(3700);
        QCOMPARE(Period()->value(), 3600);
        QCOMPARE(model.voyageLog()->logPeriod(), 3600);
        QCOMPARE(edits.size(), 2);

        Period()->setValue(4000);
        QCOMPARE(Period()->value(), 3900);
        QCOMPARE(model.voyageLog()->logPeriod(), 3900);
        QCOMPARE(edits.size(), 3);
    }

    void newReportIntervalMovesThePeriod()
    {
        QSignalSpy edits(tab, &TabBase::Edited);
        tab->OnFixLogInterval(1800);
        QCOMPARE(Period()->value(), 3600);
        tab->OnFixLogInterval(1200);
        QCOMPARE(Period()->value(), 3600);
        QCOMPARE(Period()->singleStep(), 1200);
        tab->OnFixLogInterval(600);
        Period()->setValue(2500);
        tab->OnFixLogInterval(1800);
        QCOMPARE(Period()->value(), 1800);
        QCOMPARE(model.voyageLog()->logPeriod(), 1800);
        QCOMPARE(edits.size(), 1);
    }

    // The chosen filter decides the format, and the name written says it; the
    // dialog starts in the home folder (there is no documents folder) with no
    // name filled in.
    void exportNameTellsTheFormat_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("start");
        QTest::newRow("csv filter, kml name")
            << "typed.kml" << csvFilter << "typed.kml.csv"
            << "Date,Time,Latitude,Longitude,SOG,COG,Bat. volts,Off bracket,SOS,"
               "Geofence,Power fail,ID error,\n";
        QTest::newRow("kml filter, csv name") << "typed.csv" << kmlFilter << "typed.csv.kml"
                                              << "<?xml version=\"1.0\"";
    }

    void exportNameTellsTheFormat()
    {
        QFETCH(QString, typed);
        QFETCH(QString, filter);
        QFETCH(QString, written);
        QFETCH(QString, start);
        typed = dir.filePath(typed);
        written = dir.filePath(written);
        Receive({ located, unlocated });
        ModalDriver driver;
        const ModalDriver::Step saveAs = driver.SaveAs(typed, filter);
        QString offered;
        driver.Plan({ [&](QWidget* dialog) {
                         if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
                             offered = files->directory().absolutePath() + "|"
                                 + files->findChild<QLineEdit*>("fileNameEdit")->text();
                         }
                         saveAs(dialog);
                     },
            driver.Note() });
        tab->OnExportLog();
        QVERIFY2(driver.Done(), qPrintable(driver.unexpected.join(", ")));
        QCOMPARE(offered, dir.path() + "|");
        QVERIFY(!QFile::exists(typed));
        QVERIFY(readText(written).startsWith(start));
        QCOMPARE(driver.messages, QStringList("1|Created " + written + ".|"));
        QFile::remove(written);
    }

    // The dialog asked only about the typed name.
    void addedExtensionReplacesNoFileUnasked()
    {
        const QString typed = dir.filePath("kept.csv");
        QFile earlier(typed + ".kml");
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
        earlier.close();
        Receive({ located });
        ModalDriver driver;
        QString asked;
        driver.Plan({ driver.SaveAs(typed, kmlFilter), [&](QWidget* dialog) {
                         asked = dialog->windowTitle();
                         static_cast<QDialog*>(dialog)->reject();
                     } });
        tab->OnExportLog();
        QVERIFY2(driver.Done(), qPrintable(driver.unexpected.join(", ")));
        QCOMPARE(asked, QStringLiteral("Export voyage log..."));
        QCOMPARE(readText(typed + ".kml"), QStringLiteral("earlier"));
        QVERIFY(!QFile::exists(typed));
    }

    void cancelledExportWritesNothing()
    {
        Receive({ located });
        ModalDriver driver;
        driver.Plan({ driver.Cancel() });
        tab->OnExportLog();
        QVERIFY2(driver.Done(), qPrintable(driver.unexpected.join(", ")));
        QVERIFY(driver.messages.isEmpty());
    }

    void emptyTableIsNotExported()
    {
        ModalDriver driver;
        driver.Plan({ driver.Note() });
        tab->OnExportLog();
        QVERIFY2(driver.Done(), qPrintable(driver.unexpected.join(", ")));
        QCOMPARE(driver.messages, QStringList("1|There are no voyage records to export.|"));
    }

    // "Export and clear" fetches the device's log first, whatever the table
    // held, and clears it only once a file holds every announced record.
    void clearLog_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<int>("announced"); // by the fetch, which sends two records; -1: no fetch
        QTest::addColumn<QString>("exportTo");
        QTest::addColumn<bool>("cleared");
        QTest::addColumn<QString>("message");
        const QString exportAndClear = QStringLiteral("Export and clear log");
        const QString good = dir.filePath("cleared.kml");
        // A folder where no file can be made, even by the superuser.
        const QString bad = QStringLiteral("/proc/voyage-export-test.kml");
        QTest::newRow("cancel") << "Cancel" << -1 << QString() << false << QString();
        QTest::newRow("clear only") << "Clear log only" << -1 << QString() << true << QString();
        QTest::newRow("export cancelled") << exportAndClear << 2 << QString() << false << QString();
        QTest::newRow("export failed") << exportAndClear << 2 << bad << false
                                       << bad + " could not be created.|Check access permissions.";
        QTest::newRow("exported") << exportAndClear << 2 << good << true << "Created " + good + ".|";
        QTest::newRow("fetch incomplete")
            << exportAndClear << 3 << QString() << false
            << "The voyage log did not arrive whole. It was not exported, and the Identifier keeps it; try "
               "again.|2 of 3 records arrived.";
    }

    void clearLog()
    {
        QFETCH(QString, choice);
        QFETCH(int, announced);
        QFETCH(QString, exportTo);
        QFETCH(bool, cleared);
        QFETCH(QString, message);
        // An older fetch of one record.
        Receive({ voyageAnswer(1), located });
        EndTransfer();
        QSignalSpy clears(tab, &VoyageLogTab::ClearVoyageLog);
        QSignalSpy requests(tab, &VoyageLogTab::getVoyageDataLog);
        ModalDriver driver;
        QList<ModalDriver::Step> steps { driver.Click(choice) };
        if (announced == 2) {
            steps << (exportTo.isEmpty() ? driver.Cancel() : driver.SaveAs(exportTo, kmlFilter));
        }
        if (!message.isEmpty()) {
            steps << driver.Note();
        }
        driver.Plan(steps);

        tab->findChild<QPushButton*>("pushButtonClearLog")->click();
        QCOMPARE(requests.size(), announced >= 0 ? 1 : 0);
        if (announced >= 0) {
            tab->OnLogRequested();
            Receive({ voyageAnswer(announced), located, unlocated });
            EndTransfer();
        }
        QVERIFY2(driver.Done(), qPrintable(driver.unexpected.join(", ")));
        QCOMPARE(clears.size(), cleared ? 1 : 0);
        QCOMPARE(window->clearRequests, cleared ? 1 : 0);
        QCOMPARE(Table()->rowCount(), cleared ? 0 : (announced >= 0 ? 2 : 1));
        QCOMPARE(driver.messages.join(QString()).section('|', 1), message);
        if (!exportTo.isEmpty() && cleared) {
            QCOMPARE(readText(exportTo).count("<Point>"), 1);
        }
    }

    void clearQuestionDefaultsToCancel()
    {
        ModalDriver driver;
        QString defaultButton;
        driver.Plan({ [&](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            QStringList buttons;
            for (QAbstractButton* button : box->buttons()) {
                buttons << button->text();
            }
            defaultButton = box->defaultButton()->text() + "/" + box->escapeButton()->text() + "/"
                + buttons.join(",") + "/" + box->windowTitle();
            box->reject();
        } });
        tab->findChild<QPushButton*>("pushButtonClearLog")->click();
        QVERIFY(driver.Done());
        QCOMPARE(defaultButton,
            QStringLiteral("Cancel/Cancel/Export and clear log,Clear log only,Cancel/Clear Voyage Data Log"));
    }
};

QTEST_MAIN(TestVoyageLogTab)
#include "TestVoyageLogTab.moc"
