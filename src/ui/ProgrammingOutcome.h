#pragma once

#include "history/ProgrammingRecord.h"
#include "profile/Profile.h"
#include "profile/ProfileComparison.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <memory>

class HistoryWriter;
class MainWindow;
class QMessageBox;

// What the window does once the device has been read back after a write:
// the history gets a row either way; a device that holds everything sent is
// "Programming Complete" and verified, with its certificate on offer; one
// that does not is named setting by setting, with the offer to send again.
// A row the history cannot take now waits for it, into a side file at the end.
class ProgrammingOutcome : public QObject {
    Q_OBJECT

public:
    // Tells the window when to close the link and to send again.
    explicit ProgrammingOutcome(MainWindow* window);
    ~ProgrammingOutcome() override;

    // "Programming Complete" for the last programming, once, if it was
    // verified; modal in basic mode, where the link has just been closed.
    void ShowComplete(bool modal);
    // The message naming each setting the device does not hold; its button
    // of the accept role sends again.
    static QMessageBox* MismatchBox(const QList<ProfileComparisonRow>& mismatches, QWidget* parent);

public slots:
    void OnWriteVerified(const Profile& sent, const QList<ProfileComparisonRow>& mismatches);
    // A write cut off before its read-back: the history's row, with the
    // failure the window has already shown.
    void OnWriteUnverified(const Profile& sent, const QString& failure);
    void OnMmsiMayBeLost(const QString& text);

signals:
    void basicVerified();
    // The device did not take a basic-mode programming: the link stays, and
    // so do the device actions the programme button held back.
    void basicUnverified();
    void sendAgain();

private:
    void Store(ProgrammingRecord& record);
    void ShowMismatches(const QList<ProfileComparisonRow>& mismatches);

    MainWindow* m_window;
    std::unique_ptr<HistoryWriter> m_history;
    ProgrammingRecord m_last;
    QPointer<QMessageBox> m_mismatchBox;
};
