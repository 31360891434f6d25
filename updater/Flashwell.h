#pragma once

#include "UpdateTiming.h"
#include "cByteLink.h"
#include "cUpdateAttempts.h"
#include "cUpdateLog.h"
#include "cUpdateRequest.h"

#include <QDialog>
#include <QTimer>

#include <memory>

namespace Ui {
class UpdateWizard;
}
class cAutoconfigRunner;
class cBootLoaderEntry;
class cBusyFilter;
class cXmodem1KSend;
struct WizardScreen;

// The updater's wizard: it brings the Identifier into its boot loader, sends
// the image, runs the autoconfig commands and tells the user at each step
// what happens and what to do. All port work runs in worker threads; the
// wizard only starts them and looks at their outcome.
class Flashwell : public QDialog {
    Q_OBJECT

public:
    enum State {
        Start = 0,
        Configure = 3,
        Connecting = 6,
        Updating = 7,
        Finished = 8,
        Failed = 10,
    };

    explicit Flashwell(
        const cUpdateRequest& request, const cUpdateTiming& timing = {}, QWidget* parent = nullptr);
    ~Flashwell() override;

    State state() const { return m_state; }
    int ackTimeout() const { return m_attempts.ackTimeout(); }
    QString logText() const { return m_log.text(); }
    // The file whose lines are sent to the device after a complete update.
    QString autoconfigPath() const { return m_autoconfigPath; }
    void setAutoconfigPath(const QString& path) { m_autoconfigPath = path; }

public slots:
    void about();
    void stepWizard();
    void retry();
    void stateChangeTimer();
    void copylog();
    // Closing is refused while an update or the autoconfig commands run;
    // while connecting it ends the program once the port is closed.
    void reject() override;

private slots:
    void onAttemptFinished();
    void onAutoconfigFinished();

private:
    void WriteLog(const QString& message);
    void ShowInfo(const QString& title, const QString& line1, const QString& line2, const QString& button1,
        const QString& button2, const QString& instructionFormat);
    void showScreen(const WizardScreen& screen);
    void StartBusyProgress();
    void setBusy(bool on);
    void setWindowButtons(Qt::WindowFlags buttons);
    void scheduleState(State next, int ms);

    void stopConnecting();
    void closeWhileConnecting();
    void startAttempt();
    void onConnected();
    void onNotConnected();
    void pollTransfer();
    void onTransferNotStarted();
    void onTransferEnded(int result);
    void offerRetry(const WizardScreen& screen, State finalState, State retryFrom);

    std::unique_ptr<Ui::UpdateWizard> ui;
    const QString m_imagePath;
    const QString m_portName;
    const BaudType m_baudCode;
    const cUpdateTiming m_timing;
    const cLinkFactory m_linkFactory;
    QString m_autoconfigPath;
    State m_state = Start;
    State m_nextState = Start;
    State m_retryState = Start;
    cUpdateAttempts m_attempts;
    cUpdateLog m_log;
    cBusyFilter* m_busyFilter;
    bool m_busy = false;
    bool m_closing = false;
    QTimer m_stateTimer;
    // Declared last so that they stop before anything they report to goes.
    std::unique_ptr<cBootLoaderEntry> m_entry;
    std::unique_ptr<cAutoconfigRunner> m_autoconfig;
    std::unique_ptr<cXmodem1KSend> m_sender;
};
