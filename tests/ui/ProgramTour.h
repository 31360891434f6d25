#pragma once

// Runs the program against a simulated Identifier, walks through every page
// of the three modes and opens every dialog, and hands what each stop shows
// to a visitor. Used by the screenshot tour and the accessibility test.

#include "ProgramDriver.h"

#include "Flashwell.h"
#include "gnss/cSkyPlot.h"
#include "protocol/cChapPasswordEntry.h"
#include "ui/AboutDialog.h"
#include "ui/BasicConfirmDialog.h"
#include "ui/BasicTab.h"
#include "ui/BroadcastsView.h"
#include "ui/DisconnectDialog.h"
#include "ui/LoginDialog.h"
#include "ui/ProfileCompareDialog.h"
#include "ui/ProgrammingHistoryDialog.h"
#include "ui/ProgrammingOutcome.h"
#include "ui/RecoveryFamilyDialog.h"
#include "ui/RecoveryPrompt.h"
#include "ui/SerialTab.h"
#include "ui/SetPasswordDialog.h"
#include "ui/VesselIdentityDialog.h"
#include "voyage/VoyageLogTab.h"

#include "model/Model.h"
#include "profile/ProfileComparison.h"
#include "profile/ProfileSetting.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMessageBox>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTextStream>

#include <functional>
#include <memory>

namespace ProgramTour {

// A stop: the window or dialog shown and a name such as "advanced-control".
// False when the visitor could not do its work there.
using Visit = std::function<bool(QWidget* shown, const QString& name)>;

// What a user has typed just before programming a new device.
inline void FillInVessel(BasicTab* basic)
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

// The vessel of FillInVessel as a device programmed with it holds it.
inline void ProgrammedVessel(Model* model)
{
    model->mmsi()->setText(QStringLiteral("235123456"));
    model->staticData()->setVesselName(QStringLiteral("SEA SPRITE"));
    model->staticData()->setCallSign(QStringLiteral("GBXY"));
    model->vesselData()->setVesselType(37);
    const int metres[] = { 7, 4, 2, 2 };
    for (int which = 0; which < StaticData::DimensionCount; ++which)
        model->staticData()->setDimensionMetres(StaticData::Dimension(which), metres[which]);
}

// "tabGnssStatus" becomes "gnss-status".
inline QString PageName(const QWidget* page)
{
    QString name;
    for (const QChar c : page->objectName().mid(3)) {
        if (c.isUpper() && !name.isEmpty())
            name += QLatin1Char('-');
        name += c.toLower();
    }
    return name;
}

// The voyage page shows what a fetched log looks like.
inline bool FetchVoyageLog(VoyageLogTab* page)
{
    QSignalSpy ended(page, &VoyageLogTab::VoyageSyncComplete);
    page->findChild<QPushButton*>(QStringLiteral("pushButtonGetLog"))->click();
    return ended.wait(60000);
}

// The first page of a mode is the stop of the mode itself. False when a page
// did not finish its reads; a failed visit only clears `visited`.
inline bool VisitPages(const ProgramDriver& program, const QString& mode, const Visit& visit, bool* visited)
{
    QTabWidget* tabs = program.Tabs();
    for (int index = 0; index < tabs->count(); ++index) {
        tabs->setCurrentIndex(index);
        QWidget* page = tabs->currentWidget();
        if (!program.WaitIdle())
            return false;
        if (page == program.Window()->GetVoyageLogTab()
            && !FetchVoyageLog(program.Window()->GetVoyageLogTab()))
            return false;
        if (page == program.Window()->Page(MainWindow::TabGnssStatus))
            QTest::qWait(2500); // a few fixes and satellite reports
        *visited &= visit(program.Window(),
            mode + (index == 0 ? QStringLiteral("-mode") : QLatin1Char('-') + PageName(page)));
    }
    return true;
}

// The console with its lines stamped and shown in hexadecimal: the device's
// answers to a few queries typed by hand.
inline bool VisitConsoleOptions(const ProgramDriver& program, const Visit& visit)
{
    SerialTab* console = program.Window()->GetSerialTab();
    program.Tabs()->setCurrentWidget(console);
    console->findChild<QCheckBox*>(QStringLiteral("checkBoxTimeStamps"))->setChecked(true);
    console->findChild<QCheckBox*>(QStringLiteral("checkBoxHex"))->setChecked(true);
    auto* line = console->findChild<QLineEdit*>(QStringLiteral("lineSend"));
    for (const char* query : { "$ECAIQ,SSD", "$ECAIQ,VSD", "$ECAIQ,SMM", "$ECAIQ,SSD" }) {
        line->setFocus();
        QTest::keyClicks(line, QLatin1String(query));
        QTest::keyClick(line, Qt::Key_Return);
        QTest::qWait(500);
    }
    return visit(program.Window(), QStringLiteral("advanced-serial-data-time-stamps-hex"));
}

// The console's find bar, opened as a user does, with a text found and
// marked in the view.
inline bool VisitConsoleFind(const ProgramDriver& program, const Visit& visit)
{
    SerialTab* console = program.Window()->GetSerialTab();
    QApplication::setActiveWindow(program.Window());
    auto* line = console->findChild<QLineEdit*>(QStringLiteral("lineSend"));
    line->setFocus();
    QTest::keyClick(line, Qt::Key_F, Qt::ControlModifier);
    QTest::keyClicks(console->findChild<QLineEdit*>(QStringLiteral("lineFind")), QStringLiteral("GNRMC"));
    return visit(program.Window(), QStringLiteral("advanced-serial-data-find"));
}

// The GNSS page with a satellite of the sky plot selected, as a user who
// clicked it sees its details.
inline bool VisitGnssSky(const ProgramDriver& program, const Visit& visit)
{
    QWidget* page = program.Window()->Page(MainWindow::TabGnssStatus);
    program.Tabs()->setCurrentWidget(page);
    auto* sky = page->findChild<cSkyPlot*>(QStringLiteral("skyPlot"));
    QTest::qWait(2500); // a few fixes and satellite reports
    if (sky->satellites().isEmpty()) {
        QTextStream(stderr) << "the sky plot shows no satellites\n";
        return false;
    }
    const SatelliteRecord& first = sky->satellites().first();
    QTest::mouseClick(sky, Qt::LeftButton, {}, sky->pointAt(first.azimuth, first.elevation).toPoint());
    return visit(program.Window(), QStringLiteral("advanced-gnss-sky"));
}

// The broadcasts page once a device programmed as FillInVessel types it has
// broadcast, its name spelt otherwise in the settings read from it. The demo
// device has no MMSI and so broadcasts nothing of its own.
inline bool VisitBroadcasts(const ProgramDriver& program, const Visit& visit)
{
    auto* page = static_cast<BroadcastsView*>(program.Window()->Page(MainWindow::TabBroadcasts));
    program.Tabs()->setCurrentWidget(page);
    Model settings;
    ProgrammedVessel(&settings);
    settings.staticData()->setVesselName(QStringLiteral("SEA SPRIT"));
    page->OnSettingsRead(MainWindow::TabBasic, settings);
    for (const char* line :
        { "!AIVDO,1,1,,,B3P>k000=os@nL7=0pPVkwi4kP06,0*52", "!AIVDO,1,1,,,H3P>k01<D61=18U@D0000000000,2*02",
            "!AIVDO,1,1,,,H3P>k04U000000072HI0000p4224,0*0E" })
        page->OnLine(QLatin1String(line));
    return visit(program.Window(), QStringLiteral("advanced-broadcasts-received"));
}

// The demo device and, beside it, the fleet profile of another vessel that
// differs in a few settings.
inline std::pair<Profile, Profile> FleetAndDevice()
{
    ProfileOrigin origin;
    origin.savedAt = QDateTime(QDate(2024, 5, 14), QTime(9, 30), Qt::UTC);
    origin.savedBy = QStringLiteral("dealer");
    origin.firmware = QStringLiteral("050200.02.01.00");
    origin.serialNumber = QStringLiteral("205170030117");
    const Profile device = Profile::FromModel(*VelmoraApplication::Instance()->GetTransportModel(), origin);
    Profile fleet = device;
    fleet.mmsi().setText(QStringLiteral("235000117"));
    fleet.staticData().setVesselName(QStringLiteral("SEA SPRITE"));
    fleet.staticData().setCallSign(QStringLiteral("GBXY"));
    fleet.staticData().setDimension(StaticData::DimensionA, 7);
    fleet.staticData().setDimension(StaticData::DimensionB, 4);
    fleet.alerts().setSosMessage(QStringLiteral("CALL COASTGUARD"));
    return { fleet, device };
}

inline ProfileCompareDialog* CompareDialog(MainWindow* window)
{
    const auto profiles = FleetAndDevice();
    return new ProfileCompareDialog(
        ProfileComparison::Compare(profiles.first, profiles.second), profiles.first.Origin(), window);
}

// The fleet profile opened onto the demo device.
inline VesselIdentityDialog* IdentityDialog(MainWindow* window)
{
    const auto profiles = FleetAndDevice();
    const QString source = QCoreApplication::translate("ProfileActions", "the Identifier %1")
                               .arg(profiles.first.Origin().serialNumber);
    return new VesselIdentityDialog(profiles.first, profiles.second, false, source, window);
}

// A few programmings of a small fleet, one of them not verified.
inline ProgrammingHistoryDialog* HistoryDialog(MainWindow* window)
{
    const QString path = ProgrammingHistory::DefaultPath();
    ProgrammingHistory history(path);
    const QDateTime start(QDate(2024, 5, 14), QTime(9, 30), Qt::UTC);
    const QStringList vessels[] = { { "235123456", "SEA SPRITE", "GBXY", "205170030117" },
        { "235123457", "NORTH STAR", "MNST7", "205170030118" },
        { "235123458", "SEAGULL, II", "GSEA2", "305170030204" } };
    for (int index = 0; index < 3; ++index) {
        ProgrammingRecord record;
        record.at = start.addSecs(index * 420);
        record.mmsi = vessels[index].at(0);
        record.vesselName = vessels[index].at(1);
        record.callSign = vessels[index].at(2);
        record.serialNumber = vessels[index].at(3);
        record.firmware = index == 2 ? QStringLiteral("160200.01.00.00") : QStringLiteral("050200.02.01.00");
        record.generation = index == 2 ? 4 : 2;
        record.verified = index != 1;
        record.user = QStringLiteral("dealer");
        record.computer = QStringLiteral("BENCH-2");
        record.source = index == 0 ? QStringLiteral("window") : QStringLiteral("command line");
        QString error;
        if (!history.Add(record, &error))
            QTextStream(stderr) << error << '\n';
    }
    return new ProgrammingHistoryDialog(path, window);
}

// The vessel of FillInVessel, typed in feet.
inline BasicConfirmDialog* ConfirmDialog(MainWindow* window)
{
    StaticData dimensions;
    const int feet[] = { 23, 13, 7, 7 };
    for (int which = 0; which < StaticData::DimensionCount; ++which)
        dimensions.setDimensionFeet(StaticData::Dimension(which), feet[which]);
    return new BasicConfirmDialog(1, QStringLiteral("235123456"), QStringLiteral("SEA SPRITE"),
        QStringLiteral("GBXY"), 37, dimensions, true, true, window);
}

// "Programming Complete" after a verified programming, its certificate on offer.
inline DisconnectDialog* VerifiedDialog(MainWindow* window)
{
    auto* dialog = new DisconnectDialog(window);
    ProgrammingRecord record;
    record.mmsi = QStringLiteral("235123456");
    record.serialNumber = QStringLiteral("205170031442");
    record.verified = true;
    dialog->ShowVerified(record);
    return dialog;
}

// The family question of a recovery, the first generation preselected as
// last seen on the port, with an image of that family only.
inline RecoveryFamilyDialog* FamilyDialog(MainWindow* window)
{
    const QMap<QString, QString> images { { QStringLiteral("050200"),
                                              QStringLiteral("AISImage/050200_03_00_00.img") },
        { QStringLiteral("160200"), QString() } };
    return new RecoveryFamilyDialog(images, QStringLiteral("050200"), window);
}

// Shows the dialog beside the window, as exec() would, without waiting for
// an answer.
inline bool VisitDialog(QDialog* dialog, const QString& name, const Visit& visit)
{
    std::unique_ptr<QDialog> owner(dialog);
    dialog->show();
    if (QTest::qWaitForWindowExposed(dialog))
        return visit(dialog, name);
    QTextStream(stderr) << name << " did not show\n";
    return false;
}

// The updater once it has given up finding the boot loader, with the choice
// it offers. No port of that name exists, so every attempt fails at once.
inline bool VisitUpdaterChoice(const Visit& visit)
{
    cUpdateRequest request;
    request.imagePath = QStringLiteral("AISImage/identifier.bin");
    request.portName = QStringLiteral("/dev/no-such-port");
    cUpdateTiming timing;
    timing.configure = timing.settle = timing.afterReset = timing.restart = 0;
    auto* updater = new Flashwell(request, timing);
    const auto* retry = updater->findChild<QWidget*>(QStringLiteral("RetryButton"));
    if (!QTest::qWaitFor([updater, retry] { return retry->isVisibleTo(updater); }, 30000)) {
        delete updater;
        QTextStream(stderr) << "the updater offered no choice\n";
        return false;
    }
    return VisitDialog(updater, QStringLiteral("updater-choice"), visit);
}

inline bool VisitDialogs(MainWindow* window, const Visit& visit)
{
    bool visited = VisitDialog(CompareDialog(window), QStringLiteral("compare-dialog"), visit);
    visited &= VisitDialog(HistoryDialog(window), QStringLiteral("history-dialog"), visit);
    visited &= VisitDialog(new AboutDialog(window), QStringLiteral("about-dialog"), visit);
    visited &= VisitDialog(ConfirmDialog(window), QStringLiteral("confirm-dialog"), visit);
    visited &= VisitDialog(VerifiedDialog(window), QStringLiteral("disconnect-dialog"), visit);
    visited &= VisitDialog(ProgrammingOutcome::MismatchBox({ { ProfileSetting::tr("Vessel: call sign"),
                                                               QStringLiteral("MABC1"), QStringLiteral("GBXY"), true } },
                               window),
        QStringLiteral("mismatch-box"), visit);
    visited &= VisitDialog(IdentityDialog(window), QStringLiteral("vessel-identity-dialog"), visit);
    visited &= VisitDialog(MainWindow::UnsentEditsBox(window), QStringLiteral("unsent-edits-box"), visit);
    visited &= VisitDialog(new LoginDialog(window), QStringLiteral("login-dialog"), visit);
    visited &= VisitDialog(new SetPasswordDialog(window), QStringLiteral("set-password-dialog"), visit);
    visited &= VisitDialog(new cChapPasswordEntry(window), QStringLiteral("device-password-dialog"), visit);
    visited &= VisitDialog(RecoveryPrompt::OfferBox(window), QStringLiteral("recovery-offer"), visit);
    visited &= VisitDialog(FamilyDialog(window), QStringLiteral("recovery-family-dialog"), visit);
    // The updater's first words: connecting. It stays there, before it
    // touches any port.
    cUpdateRequest request;
    request.imagePath = QStringLiteral("AISImage/identifier.bin");
    request.portName = QStringLiteral("/dev/null");
    cUpdateTiming timing;
    timing.configure = 0;
    timing.settle = 3600 * 1000;
    visited &= VisitDialog(new Flashwell(request, timing), QStringLiteral("updater"), visit);
    return VisitUpdaterChoice(visit) && visited;
}

// The demo device's configuration file; false when a stop failed or the
// tour could not go on.
inline bool Run(const QString& configuration, const Visit& visit)
{
    SimConfig config;
    QString error;
    if (!SimConfig::fromFile(configuration, &config, &error)) {
        QTextStream(stderr) << configuration << ": " << error << '\n';
        return false;
    }
    ProgramDriver program(config);
    if (!program.Start() || !program.WaitIdle()) {
        QTextStream(stderr) << "the program did not connect to the simulated Identifier\n";
        return false;
    }
    MainWindow* window = program.Window();
    FillInVessel(window->GetBasicTab());
    bool visited = visit(window, QStringLiteral("basic-mode"));

    program.ClickMode(QStringLiteral("Diagnostic mode"));
    bool toured = program.WaitIdle() && VisitPages(program, QStringLiteral("diagnostic"), visit, &visited);
    program.LogIn(QStringLiteral("harbour"));
    toured = toured && program.WaitIdle() && VisitPages(program, QStringLiteral("advanced"), visit, &visited);
    if (toured)
        visited &= VisitConsoleOptions(program, visit) && VisitConsoleFind(program, visit)
            && VisitGnssSky(program, visit) && VisitBroadcasts(program, visit);
    visited &= VisitDialogs(window, visit);
    if (!toured)
        QTextStream(stderr) << "the tour stopped: a page did not finish its reads\n";
    return toured && visited;
}

} // namespace ProgramTour
