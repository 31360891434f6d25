#pragma once

#include "UpdateTiming.h"
#include "cUpdateRun.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class StateMachine;
class UpdateImages;
class cBootLoaderEntry;

// Recovers an Identifier left in its boot loader by an update cut short. When
// the state machine finds a port silent at both rates, the port is listened
// to (read-only, at the boot loader's rate); a waiting boot loader is offered
// for recovery. The boot loader cannot tell its family, so the caller asks
// the user which one, helped by the family last identified on the port. The
// image goes straight to the boot loader, then the state machine tests the
// connection at the device's rates and the version it reports is checked.
class BootLoaderRecovery : public QObject {
    Q_OBJECT

public:
    BootLoaderRecovery(StateMachine* machine, const UpdateImages* images, const cUpdateTiming& timing = {},
        QObject* parent = nullptr);
    ~BootLoaderRecovery() override;

    // "050200" and "160200".
    static QStringList Families();
    // For the device waiting now: the family last identified on its port,
    // else the only family with an image; empty when neither is known.
    QString PreselectedFamily() const;
    // The newest image of the family; empty when there is none.
    QString ImageOf(const QString& family) const;

    // Answers the offer of waiting().
    void Recover(const QString& imagePath);
    void Decline();

signals:
    void waiting();
    void progress(int percent);
    // The device answers with the image's version; message says so.
    void recovered(const QString& message);
    void failed(const QString& message);

private:
    enum class Step { Idle, Listening, Offered, Sending, Checking };

    void Remember(const QString& version);
    void Listen(const QString& portName);
    void OnListened();
    void OnSent(cUpdateRun::Outcome outcome);
    void OnIdentified(const QString& version);
    void Fail(const QString& reason);
    static QString FailureText(cUpdateRun::Outcome outcome);

    StateMachine* m_machine;
    const UpdateImages* m_images;
    const cUpdateTiming m_timing;
    Step m_step = Step::Idle;
    QString m_port;
    QString m_expected;
    std::unique_ptr<cBootLoaderEntry> m_listener;
    std::unique_ptr<cUpdateRun> m_run;
};
