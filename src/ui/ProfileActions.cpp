#include "ui/ProfileActions.h"

#include "app/VelmoraApplication.h"
#include "control/StateMachine.h"
#include "model/Model.h"
#include "profile/ProfileBackups.h"
#include "profile/ProfileComparison.h"
#include "profile/ProfileFile.h"
#include "ui/DeviceTypes.h"
#include "ui/FileQuestion.h"
#include "ui/HistoryActions.h"
#include "ui/MainWindow.h"
#include "ui/ProfileCompareDialog.h"
#include "ui/StatusNote.h"
#include "ui/TabBase.h"
#include "ui/VesselIdentityDialog.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

namespace {

// The pages a profile fills, by the ids the state machine keeps their states under.
const int profilePages[] = { MainWindow::TabConfiguration, MainWindow::TabControl, MainWindow::TabVoyageData };

} // namespace

ProfileActions::ProfileActions(MainWindow* window, QMenu* menu)
    : QObject(window)
    , window(window)
    , app(VelmoraApplication::Instance())
{
    setObjectName(QStringLiteral("profileActions"));
    QAction* first = menu->actions().value(0);
    saveAction = AddAction(menu, first, tr("Save configuration as profile..."), &ProfileActions::OnSave);
    openAction = AddAction(menu, first, tr("Open profile..."), &ProfileActions::OnOpen);
    compareAction = AddAction(menu, first, tr("Compare with device..."), &ProfileActions::OnCompare);
    restoreAction = AddAction(menu, first, tr("Restore last backup..."), &ProfileActions::OnRestoreBackup);
    saveAction->setObjectName(QStringLiteral("actionSaveProfile"));
    openAction->setObjectName(QStringLiteral("actionOpenProfile"));
    compareAction->setObjectName(QStringLiteral("actionCompareProfile"));
    restoreAction->setObjectName(QStringLiteral("actionRestoreBackup"));
    saveAction->setShortcut(QKeySequence::Save);
    openAction->setShortcut(QKeySequence::Open);
    new HistoryActions(window, menu, first);
    menu->insertSeparator(first);
    connect(menu, &QMenu::aboutToShow, this, &ProfileActions::RefreshActions);
    connect(app->GetStateMachine(), &StateMachine::UpdateTabIcon, this, &ProfileActions::RefreshActions);
    RefreshActions();
}

QAction* ProfileActions::AddAction(
    QMenu* menu, QAction* before, const QString& text, void (ProfileActions::*slot)())
{
    auto* action = new QAction(text, window);
    connect(action, &QAction::triggered, this, slot);
    menu->insertAction(before, action);
    return action;
}

QString ProfileActions::BackupFolder()
{
    return QFileInfo(StateMachine::DefaultConfigurationLogPath()).absolutePath() + QStringLiteral("/backups");
}

void ProfileActions::RefreshActions()
{
    const bool known = DeviceValuesKnown(false);
    saveAction->setEnabled(DeviceValuesKnown(true));
    openAction->setEnabled(known);
    compareAction->setEnabled(known);
    restoreAction->setEnabled(known);
}

// The pages of advanced mode hold every setting; a page not yet read holds
// defaults, never the device's values.
bool ProfileActions::DeviceValuesKnown(bool synchronised) const
{
    const StateMachine* machine = app->GetStateMachine();
    if (!machine->IsConnected() || window->CurrentMode() != MainWindow::Mode::Advanced
        || !DeviceTypes::IsKnown(machine->DeviceType()) || app->GetTransportModel()->serialNumber().isEmpty())
        return false;
    for (const int tab : profilePages) {
        const int state = machine->State(tab);
        if (state != StateMachine::StateSynchronised && (synchronised || state != StateMachine::StateEdited))
            return false;
    }
    return true;
}

bool ProfileActions::StillReady(bool synchronised, const QString& title)
{
    if (DeviceValuesKnown(synchronised))
        return true;
    QMessageBox::warning(window, title,
        tr("The Identifier's values are no longer at hand (it was disconnected or is being read again); "
           "nothing was done. Try again once the pages show it in step."));
    return false;
}

// The transport model holds what the device last said.
Profile ProfileActions::DeviceProfile() const
{
    Model* device = app->GetTransportModel();
    return Profile::FromModel(*device,
        Profile::OriginNow(device->appVersion(), app->GetStateMachine()->DeviceType(), device->serialNumber()));
}

// ---- the flows

bool ProfileActions::SaveProfile(const QString& path)
{
    QString error;
    if (ProfileFile::Write(DeviceProfile(), path, &error)) {
        StatusNote::Show(window, tr("Profile saved as %1.").arg(QDir::toNativeSeparators(path)));
        return true;
    }
    QMessageBox::critical(window, tr("Error saving the profile"), error, QMessageBox::Ok);
    return false;
}

bool ProfileActions::OpenProfile(const QString& path)
{
    const ProfileReadResult read = ProfileFile::Read(path);
    if (!read.ok) {
        ShowReadProblems(path, read.problems);
        return false;
    }
    if (!read.warnings.isEmpty()) {
        QMessageBox::information(window, tr("Open profile"),
            tr("These values of the profile are not among those the pages offer; check them on the pages "
               "before sending:\n\n%1")
                .arg(read.warnings.join(QLatin1Char('\n'))));
    }
    if (!Load(read.profile))
        return false;
    StatusNote::Show(window,
        tr("The pages hold %1 now; send them to write it to the Identifier.")
            .arg(QDir::toNativeSeparators(path)));
    return true;
}

bool ProfileActions::CompareWithDevice(const QString& path)
{
    const ProfileReadResult read = ProfileFile::Read(path);
    if (!read.ok) {
        ShowReadProblems(path, read.problems);
        return false;
    }
    ProfileCompareDialog dialog(
        ProfileComparison::Compare(read.profile, DeviceProfile()), read.profile.Origin(), window);
    dialog.exec();
    return true;
}

// The values go into the tab model and the pages, which show as edited: what
// reaches the device is what the user then sends.
bool ProfileActions::Load(const Profile& profile)
{
    const Profile device = DeviceProfile();
    std::unique_ptr<VesselIdentityDialog> identity;
    if (!VesselIdentityDialog::Alike(profile, device)) {
        identity = AskVesselIdentity(profile, device);
        if (!identity)
            return false;
    }
    StateMachine* machine = app->GetStateMachine();
    Model* tabModel = app->GetTabModel();
    profile.ApplyTo(*tabModel, machine->DeviceType(), !identity);
    if (identity)
        identity->ApplyTo(*tabModel, device);
    for (const int tab : profilePages) {
        if (auto* page = qobject_cast<TabBase*>(window->Page(tab)))
            page->UpdateTabFromModel(nullptr);
        machine->Edited(tab);
    }
    const QStringList skipped = profile.SkippedFor(machine->DeviceType());
    if (!skipped.isEmpty()) {
        QMessageBox::information(window, tr("Open profile"),
            tr("This Identifier does not have these settings of the profile; they were skipped and will not "
               "be sent:\n\n%1")
                .arg(skipped.join(QLatin1Char('\n'))));
    }
    return true;
}

// Each vessel has an MMSI, name and call sign of its own: the user gives this
// one's, and is warned when taking the profile's MMSI would give two devices
// the same one. Null when the user stops.
std::unique_ptr<VesselIdentityDialog> ProfileActions::AskVesselIdentity(
    const Profile& profile, const Profile& device)
{
    const QString source = profile.Origin().serialNumber;
    const bool own = !source.isEmpty() && source == device.Origin().serialNumber;
    QString from = source.isEmpty() ? tr("another Identifier") : tr("the Identifier %1").arg(source);
    if (own)
        from = tr("an earlier configuration of this Identifier");
    auto dialog = std::make_unique<VesselIdentityDialog>(profile, device, own, from, window);
    if (dialog->exec() != QDialog::Accepted)
        return nullptr;
    if (own || dialog->Mmsi() != profile.Mmsi() || profile.Mmsi() == device.Mmsi())
        return dialog;
    const auto answer = QMessageBox::warning(window, tr("The same MMSI on two devices"),
        tr("The profile comes from %1. Taking its MMSI %2 gives two devices the same MMSI, which "
           "confuses every station that receives them. Take it only if the other device is no longer "
           "in use.\n\nTake MMSI %2? \"No\" leaves the pages as they were.")
            .arg(from, profile.Mmsi()),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes ? std::move(dialog) : nullptr;
}

// A reset must not wait for a file to be written or for the user to read a
// message, so a failure is told once the reset has been requested.
QString ProfileActions::BackUpBeforeReset()
{
    const QString title = tr("No backup before the reset");
    if (!DeviceValuesKnown(false)) {
        ReportLater(title,
            tr("The Identifier's configuration had not been read completely, so no backup was saved. "
               "The reset has gone ahead all the same."));
        return QString();
    }
    QString saved;
    QString error;
    if (!ProfileBackups(BackupFolder()).Save(DeviceProfile(), &saved, &error)) {
        ReportLater(title,
            tr("The configuration could not be saved as a backup: %1\n\nThe reset has gone ahead all the same.")
                .arg(error));
        return QString();
    }
    return saved;
}

void ProfileActions::ReportLater(const QString& title, const QString& text)
{
    QTimer::singleShot(0, window, [this, title, text] { QMessageBox::warning(window, title, text); });
}

void ProfileActions::ShowReadProblems(const QString& path, const QStringList& problems)
{
    QMessageBox box(QMessageBox::Warning, tr("Cannot use the profile"),
        tr("%1 was not used; nothing was changed.").arg(QDir::toNativeSeparators(path)), QMessageBox::Ok,
        window);
    box.setInformativeText(problems.join(QLatin1Char('\n')));
    box.exec();
}

// ---- the menu

QString ProfileActions::AskFile(const QString& title, bool save)
{
    const QString filter = tr("Configuration profiles (*.json)");
    if (!save) {
        return FileQuestion::Open(window, FileQuestion::Kind::Profile, title, filter);
    }
    const QString name = app->GetTransportModel()->serialNumber() + QLatin1Char('-')
        + QDate::currentDate().toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".json");
    return FileQuestion::Save(window, FileQuestion::Kind::Profile, title, name, filter);
}

void ProfileActions::OnSave()
{
    const QString path = AskFile(tr("Save configuration as profile"), true);
    if (!path.isEmpty() && StillReady(true, tr("Save configuration as profile")))
        SaveProfile(path);
}

void ProfileActions::OnOpen()
{
    const QString path = AskFile(tr("Open profile"), false);
    if (!path.isEmpty() && StillReady(false, tr("Open profile")))
        OpenProfile(path);
}

void ProfileActions::OnCompare()
{
    const QString path = AskFile(tr("Compare with device"), false);
    if (!path.isEmpty() && StillReady(false, tr("Compare with device")))
        CompareWithDevice(path);
}

void ProfileActions::OnRestoreBackup()
{
    if (!DeviceValuesKnown(false))
        return;
    const QString serialNumber = app->GetTransportModel()->serialNumber();
    const QString path = ProfileBackups(BackupFolder()).NewestFor(serialNumber);
    if (path.isEmpty()) {
        QMessageBox::information(window, tr("Restore last backup"),
            tr("There is no backup of the Identifier with serial number %1 in %2.")
                .arg(serialNumber, QDir::toNativeSeparators(BackupFolder())));
        return;
    }
    OpenProfile(path);
}
