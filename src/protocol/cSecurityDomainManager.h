#pragma once

#include <QChar>
#include <QObject>
#include <QString>

#include <functional>

class NmeaSentence;

// Runs the challenge and response that unlocks a password-protected device.
// The password itself never travels: only a 32-bit value made from its hash
// and the device's challenge does. The transport sends the sentences this
// class builds, hands the SAC replies to parseSac() and asks nextJob() which
// security job to run next.
class cSecurityDomainManager : public QObject {
    Q_OBJECT

public:
    // Asked for the password when the device reports that it is locked; it may
    // run a modal dialog.
    using PasswordSource = std::function<QString()>;
    // Told the hash of a password the device refused; true when the password
    // source has another to try.
    using RefusalHandler = std::function<bool(quint32 refusedHash)>;

    enum State {
        Idle = 0,
        PollSent = 1,
        DeviceOpen = 2,
        RequestPending = 3,
        ResponsePending = 4,
        AccessGranted = 5,
    };

    static constexpr int RequestNumber = 80;
    static constexpr quint32 ResponseMask = 0x6A3F0C59;

    // Uses the default password source (setDefaultPasswordSource).
    explicit cSecurityDomainManager(QObject* parent = nullptr);
    explicit cSecurityDomainManager(PasswordSource source, QObject* parent = nullptr);

    // The source of every manager made without one of its own. The core holds
    // no widgets, so the application installs the password dialog here; until
    // it does, the password is empty and a locked device stays locked.
    static void setDefaultPasswordSource(PasswordSource source);
    // Asked by every manager after a refusal; until one is installed a
    // refused password is not tried again.
    static void setRefusalHandler(RefusalHandler handler);

    // The query sentence; starts a new exchange.
    QString pollSentence();
    // The same query, sent again once the password is known.
    QString requestSentence() const;
    QString responseSentence() const;
    // Takes state letter, number and challenge from a SAC reply ("R" in
    // field 2); any other sentence changes nothing.
    void parseSac(const NmeaSentence& sentence);
    // The name of the security job to run next, empty when none. Asks the
    // password source when a poll finds the device locked.
    QString nextJob();

    int state() const { return m_state; }
    int requestNumber() const { return RequestNumber; }
    quint32 passwordHash() const { return m_passwordHash; }
    QChar deviceState() const { return m_deviceState; }
    int replyNumber() const { return m_replyNumber; }
    quint32 challenge() const { return m_challenge; }
    quint32 responseValue() const;

    // One-at-a-time hash over the Latin-1 codes of the password taken as
    // signed bytes; characters outside Latin-1 count as 0.
    static quint32 hashPassword(const QString& password);

private:
    QString nextJobAfterPoll();
    QString askPassword();
    QString sacSentence(const QString& kind, const QString& value) const;

    PasswordSource m_passwordSource;
    int m_state = Idle;
    quint32 m_passwordHash = 0;
    QChar m_deviceState;
    int m_replyNumber = 0;
    quint32 m_challenge = 0;
};
