#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class ModelObject;
class NmeaSentence;

// Base of the per-setting codecs. A codec is bound to one object of the
// configuration model: it builds the sentence that reads the setting from the
// device, the one that writes the model's value back, and stores an accepted
// reply in the model. Most settings travel inside shell commands; a codec of
// that kind names its read command once in its constructor and then builds
// every sentence and recognises its reply through the helpers below.
class AISSentence : public QObject {
    Q_OBJECT

public:
    enum Result {
        ResultStored = 0,
        ResultNotMine = -1,
    };

    // Security domains of the setting commands.
    enum Domain {
        OpenDomain = 0,
        ConfigurationDomain = 2,
        DiagnosticsDomain = 3,
    };

    // How the number in a shell reply becomes the stored value.
    enum class Decoding {
        Flag, // 0 is 0, any other number 1
        StrictFlag, // only 0 and 1; any other number is refused
        Behaviour, // 1 and 2 as they are, anything else 0
        Number, // as it came
    };

    // Talkers of the standard AIS sentences: the program's own and the device's.
    static QString ownTalker() { return QStringLiteral("UP"); }
    static QString deviceTalker() { return QStringLiteral("AI"); }

    explicit AISSentence(ModelObject* object, QObject* parent = nullptr);

    virtual QString writeSentence() const = 0;
    // The shell read command once setShellCommand named one, else the
    // standard query "$UPAIQ,<formatter>".
    virtual QString readSentence() const;
    // 0 (ResultStored) when the sentence was this codec's reply and its value
    // is stored; negative when it is not, or cannot be used.
    virtual int parseReply(const NmeaSentence& sentence) = 0;

    QString formatter() const { return m_formatter; }

    // "$UP<identifier>,<fields...>" framed with checksum and CR LF.
    static QString ownSentence(const QString& identifier, const QStringList& fields);

protected:
    void setFormatter(const QString& formatter) { m_formatter = formatter; }

    // The bound model object, as the type the derived codec was given.
    template <typename T> T* object() const { return static_cast<T*>(m_object); }

    // Shell codecs: the command that reads the setting, its security domain
    // (also used for writing) and the mode of the read command.
    void setShellCommand(const QString& readCommand, int domain, int readMode = 1);
    QString shellReadSentence() const;
    QString shellWriteSentence(const QString& commandText, int mode = 0) const;
    // True when the sentence answers the read command; payload is its
    // unescaped output. Replies to any other command are left alone.
    bool acceptShellReply(const NmeaSentence& sentence, QString& payload) const;
    // As acceptShellReply, with the payload read as a decimal number (0 when
    // it is not one).
    bool acceptShellNumber(const NmeaSentence& sentence, int& value) const;

    // Accept the reply to the read command and hand its decoded number, or its
    // text, to store. ResultNotMine, storing nothing, for any other sentence
    // or for a number the decoding refuses.
    int storeShellNumber(
        const NmeaSentence& sentence, Decoding decoding, const std::function<void(int)>& store) const;
    int storeShellText(const NmeaSentence& sentence, const std::function<void(const QString&)>& store) const;
    // What read-only codecs give as their write sentence: a bare word the
    // transport never sends, since only reading jobs hold them.
    static QString readOnlyWriteSentence() { return QStringLiteral("DUMMY"); }

    // True when the sentence is valid and is the device's standard sentence
    // with the given identifier.
    static bool isDeviceSentence(const NmeaSentence& sentence, const QString& identifier);
    // A text field of a standard AIS sentence: the "@" padding after the last
    // real character is dropped, then the text is unescaped.
    static QString cleanAisText(const QString& field);

    static QString flagText(bool flag) { return flag ? QStringLiteral("1") : QStringLiteral("0"); }
    // Only 0 and 1 are flags; false for any other value, leaving flag alone.
    static bool strictFlag(int value, bool& flag);
    // Behaviour codes 1 and 2 are kept, anything else means 0.
    static int behaviourCode(int value) { return (value == 1 || value == 2) ? value : 0; }

private:
    ModelObject* m_object;
    QString m_formatter = QStringLiteral("XXX");
    QString m_readCommand;
    int m_domain = 0;
    int m_readMode = 1;
};
