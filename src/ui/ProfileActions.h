#pragma once

#include "profile/Profile.h"

#include <QObject>

#include <memory>

class MainWindow;
class QAction;
class QMenu;
class VesselIdentityDialog;
class VelmoraApplication;

// The configuration profiles of the File menu: saving the device's values as
// a profile, opening a profile (or the newest backup) into the pages for the
// user to send, comparing a profile with the device, and the backup taken
// before a reset. It works on the models and the state machine only; the
// pages it loads are the window's own. The programming history's entry goes
// with them.
class ProfileActions : public QObject {
    Q_OBJECT

public:
    // Puts the actions at the top of menu.
    ProfileActions(MainWindow* window, QMenu* menu);

    // The flows behind the menu actions once a file has been chosen. Each
    // tells the user of any failure and returns false.
    bool SaveProfile(const QString& path);
    bool OpenProfile(const QString& path);
    bool CompareWithDevice(const QString& path);
    // Saves what the device holds in the backups folder and returns the
    // file, empty when none was saved. A failure is told once the reset that
    // follows has gone out: it never holds a reset back.
    QString BackUpBeforeReset();
    // The data folder's "backups" folder.
    static QString BackupFolder();

public slots:
    void RefreshActions();

private slots:
    void OnSave();
    void OnOpen();
    void OnCompare();
    void OnRestoreBackup();

private:
    QAction* AddAction(QMenu* menu, QAction* before, const QString& text, void (ProfileActions::*slot)());
    // The device's values have been read (synchronised, or edited since),
    // or, when `synchronised`, every page is in step with the device.
    bool DeviceValuesKnown(bool synchronised) const;
    // For a file chosen while the device may have gone: says so when it has.
    bool StillReady(bool synchronised, const QString& title);
    Profile DeviceProfile() const;
    QString AskFile(const QString& title, bool save);
    bool Load(const Profile& profile);
    std::unique_ptr<VesselIdentityDialog> AskVesselIdentity(const Profile& profile, const Profile& device);
    void ShowReadProblems(const QString& path, const QStringList& problems);
    void ReportLater(const QString& title, const QString& text);

    MainWindow* window;
    VelmoraApplication* app;
    QAction* saveAction;
    QAction* openAction;
    QAction* compareAction;
    QAction* restoreAction;
};
