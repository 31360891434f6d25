#pragma once

#include <QObject>
#include <QString>

class NmeaSentence;

// One command line for the device's shell, carried in a "$PKRX,0,..." sentence,
// and the recogniser for the device's "$PKRX,255,..." reply to exactly it.
class NmeaShellCommand : public QObject {
    Q_OBJECT

public:
    enum Result {
        ResultReply = 1,
        ResultNotReply = 0,
        ResultOtherCommand = -1,
        ResultOtherMaker = -4,
        ResultNotProprietary = -5,
        ResultInvalid = -6,
    };

    // Only this many characters of the command fit into one sentence.
    static constexpr int MaxCommandLength = 50;

    NmeaShellCommand(const QString& command, int domain, int mode, int tag, QObject* parent = nullptr);

    virtual QString sentence() const;
    int parseResponse(const NmeaSentence& sentence);

    QString command() const { return m_command; }
    QString response() const { return m_response; }
    int domain() const { return m_domain; }
    int mode() const { return m_mode; }
    int tag() const { return m_tag; }

    // The token sent with a command of the given security domain (0 to 3);
    // empty for any other index.
    static QString securityDomainToken(int domain);

private:
    QString m_command;
    QString m_response;
    int m_domain;
    int m_mode;
    int m_tag;
};
