#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class SimSentence;

// The device's password lock. While locked it answers nothing but the SAC
// query, which gets a fresh challenge; the right response to the challenge
// opens it. It may lock itself again after a period without traffic.
class SecurityAccess : public QObject
{
    Q_OBJECT

public:
    // What to do with a command that arrives now.
    enum class Gate { Open, Silent, AnswerSac };

    static constexpr quint32 ResponseMask = 0x6A3F0C59;

    explicit SecurityAccess(QObject* parent = nullptr);

    void configure(const QString& password, int relockAfterMs);
    // Power-on: locked whenever there is a password.
    void powerOn();
    void noteTraffic();

    Gate gate();
    bool isLocked() const { return m_locked; }
    // The reply body to a "$PKRX,SAC" sentence; empty when it is none the
    // device answers.
    QString answer(const SimSentence& sentence);
    // The SAC reply a locked device gives instead of a command's answer.
    QString lockedReply(const QString& requestNumber = QStringLiteral("0"));

    static quint32 passwordHash(const QString& password);

signals:
    void note(const QString& text);

private:
    void relock();
    QString reply(QChar state, const QString& requestNumber, quint32 challenge) const;

    QString m_password;
    bool m_locked = false;
    bool m_sacOnNextCommand = false;
    quint32 m_challenge = 0;
    QTimer m_relockTimer;
};
