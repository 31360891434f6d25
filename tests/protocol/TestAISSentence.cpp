#include "model/ModelObject.h"
#include "protocol/AISSentence.h"
#include "protocol/NmeaSentence.h"

#include <QtTest>

namespace {

class Setting : public ModelObject {
public:
    void reset() override { number = 0; }
    int number = 0;
};

// A minimal shell codec built only from the base's helpers, as the setting
// codecs are.
class ShellCodec : public AISSentence {
public:
    explicit ShellCodec(Setting* setting, int readMode = 1)
        : AISSentence(setting)
    {
        setFormatter("TST");
        setShellCommand("getx", 2, readMode);
    }

    QString readSentence() const override { return shellReadSentence(); }
    QString writeSentence() const override
    {
        return shellWriteSentence("setx " + QString::number(object<Setting>()->number));
    }
    int parseReply(const NmeaSentence& sentence) override
    {
        int value = 0;
        if (!acceptShellNumber(sentence, value)) {
            return ResultNotMine;
        }
        object<Setting>()->number = value;
        return ResultStored;
    }

    using AISSentence::behaviourCode;
    using AISSentence::cleanAisText;
    using AISSentence::isDeviceSentence;
    using AISSentence::strictFlag;
};

class QueryCodec : public AISSentence {
public:
    explicit QueryCodec(Setting* setting, const QString& formatter = QString())
        : AISSentence(setting)
    {
        if (!formatter.isEmpty()) {
            setFormatter(formatter);
        }
    }
    QString writeSentence() const override { return QString(); }
    int parseReply(const NmeaSentence&) override { return ResultNotMine; }
};

} // namespace

class TestAISSentence : public QObject {
    Q_OBJECT

private slots:
    void querySentence()
    {
        Setting setting;
        QCOMPARE(QueryCodec(&setting).formatter(), QString("XXX"));
        QCOMPARE(QueryCodec(&setting, "SSD").readSentence(), QString("$UPAIQ,SSD*34\r\n"));
    }

    void ownSentence_data()
    {
        QTest::addColumn<QString>("identifier");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("expected");
        QTest::newRow("static data") << "SSD"
                                     << QStringList { "CALL1", "MY BOAT", "10", "5", "2", "3", "", "AI" }
                                     << "$UPSSD,CALL1,MY BOAT,10,5,2,3,,AI*63\r\n";
        QTest::newRow("trailing empty fields")
            << "VSD" << QStringList { "-1", "", "", "UNKNOWN", "", "", "", "", "" }
            << "$UPVSD,-1,,,UNKNOWN,,,,,*3C\r\n";
    }

    void ownSentence()
    {
        QFETCH(QString, identifier);
        QFETCH(QStringList, fields);
        QFETCH(QString, expected);
        QCOMPARE(AISSentence::ownSentence(identifier, fields), expected);
    }

    void shellSentences()
    {
        Setting setting;
        setting.number = 5;
        QCOMPARE(ShellCodec(&setting).readSentence(), QString("$PKRX,0,2,0x8E51D3A6,1,getx,0*2D\r\n"));
        QCOMPARE(ShellCodec(&setting, 2).readSentence(), QString("$PKRX,0,2,0x8E51D3A6,2,getx,0*2E\r\n"));
        QCOMPARE(ShellCodec(&setting).writeSentence(), QString("$PKRX,0,2,0x8E51D3A6,0,setx 5,0*2D\r\n"));
    }

    void shellReply_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("stored");
        QTest::newRow("reply to the read command") << "$PKRX,255,getx,0,17*1B" << 0 << 17;
        QTest::newRow("payload not a number") << "$PKRX,255,getx,0,abc*7D" << 0 << 0;
        QTest::newRow("reply to the write command") << "$PKRX,255,setx 5,0,17*1A" << -1 << 99;
        QTest::newRow("refusal") << "$PKRX,255,getx*2D" << -1 << 99;
        QTest::newRow("other sentence") << "$GPTXT,01,01,02,ANTSTATUS=OK*3B" << -1 << 99;
        QTest::newRow("bad checksum") << "$PKRX,255,getx,0,17*1C" << -1 << 99;
    }

    void shellReply()
    {
        QFETCH(QString, line);
        QFETCH(int, result);
        QFETCH(int, stored);
        Setting setting;
        setting.number = 99;
        ShellCodec codec(&setting);
        QCOMPARE(codec.parseReply(NmeaSentence(line)), result);
        QCOMPARE(setting.number, stored);
    }

    void deviceSentence_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("device SSD") << "$AISSD,AB,X*17" << true;
        QTest::newRow("other talker") << "$GPSSD,AB,X*08" << false;
        QTest::newRow("other identifier") << "$AIVSD,AB,X*12" << false;
        QTest::newRow("invalid") << "$AISSD,AB,X*18" << false;
    }

    void deviceSentence()
    {
        QFETCH(QString, line);
        QFETCH(bool, accepted);
        QCOMPARE(ShellCodec::isDeviceSentence(NmeaSentence(line), "SSD"), accepted);
    }

    void cleanAisText_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("padded") << "AB12@@@"
                                << "AB12";
        QTest::newRow("only padding") << "@@@@@@@"
                                      << "@@@@@@@";
        QTest::newRow("inner at sign kept") << "A@B@"
                                            << "A@B";
        QTest::newRow("no padding") << "MY BOAT"
                                    << "MY BOAT";
        QTest::newRow("escaped") << "A^2CB@@"
                                 << "A,B";
        QTest::newRow("empty") << ""
                               << "";
    }

    void cleanAisText()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QCOMPARE(ShellCodec::cleanAisText(field), text);
    }

    void decoding_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("isStrictFlag");
        QTest::addColumn<bool>("flag");
        QTest::addColumn<int>("behaviour");
        QTest::newRow("0") << 0 << true << false << 0;
        QTest::newRow("1") << 1 << true << true << 1;
        QTest::newRow("2") << 2 << false << true << 2;
        QTest::newRow("3") << 3 << false << true << 0;
        QTest::newRow("-1") << -1 << false << true << 0;
    }

    void decoding()
    {
        QFETCH(int, value);
        QFETCH(bool, isStrictFlag);
        QFETCH(bool, flag);
        QFETCH(int, behaviour);
        // A rejected value must leave the stored flag as it was.
        bool stored = true;
        QCOMPARE(ShellCodec::strictFlag(value, stored), isStrictFlag);
        QCOMPARE(stored, isStrictFlag ? flag : true);
        QCOMPARE(ShellCodec::behaviourCode(value), behaviour);
    }
};

QTEST_GUILESS_MAIN(TestAISSentence)
#include "TestAISSentence.moc"
