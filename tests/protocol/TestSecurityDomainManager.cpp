#include "protocol/NmeaSentence.h"
#include "protocol/cSecurityDomainManager.h"

#include <QtTest>

namespace {

NmeaSentence sacReply(const QString& fields)
{
    return NmeaSentence(NmeaSentence::frame(QStringLiteral("$PKRX,SAC,") + fields));
}

// A password source that counts how often it is asked.
struct ScriptedPassword {
    QString password;
    int asked = 0;

    cSecurityDomainManager::PasswordSource source()
    {
        return [this] {
            ++asked;
            return password;
        };
    }
};

const QString noJob;
const QString request = QStringLiteral("Security Access Request");
const QString response = QStringLiteral("Security Access Challange Response");
const QString connectionTest = QStringLiteral("Connection Test");

} // namespace

class TestSecurityDomainManager : public QObject {
    Q_OBJECT

private:
    // Walks the exchange into the given state with device replies only.
    static void driveTo(cSecurityDomainManager& manager, int state)
    {
        const QVector<QPair<int, QString>> path = {
            { 1, QString() },
            { 3, QStringLiteral("R,V,12,0") },
            { 4, QStringLiteral("R,V,12,1A2B3C4D") },
            { 5, QStringLiteral("R,A,12,0") },
        };
        if (state == cSecurityDomainManager::DeviceOpen) {
            manager.pollSentence();
            manager.parseSac(sacReply(QStringLiteral("R,A,12,0")));
            manager.nextJob();
            return;
        }
        if (state == cSecurityDomainManager::Idle) {
            driveTo(manager, cSecurityDomainManager::ResponsePending);
            manager.parseSac(sacReply(QStringLiteral("R,V,12,0")));
            manager.nextJob();
            return;
        }
        manager.pollSentence();
        for (const auto& step : path) {
            if (step.first > state) {
                break;
            }
            if (!step.second.isEmpty()) {
                manager.parseSac(sacReply(step.second));
                manager.nextJob();
            }
        }
    }

private slots:
    void buildsTheQuerySentence()
    {
        cSecurityDomainManager manager([] { return QString(); });
        QCOMPARE(manager.state(), 0);
        QCOMPARE(manager.requestNumber(), 80);
        QCOMPARE(manager.requestSentence(), QStringLiteral("$PKRX,SAC,Q,,80,*35\r\n"));
        QCOMPARE(manager.state(), 0);
        QCOMPARE(manager.pollSentence(), QStringLiteral("$PKRX,SAC,Q,,80,*35\r\n"));
        QCOMPARE(manager.state(), 1);
    }

    void hashesPasswords_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<quint32>("hash");
        QTest::newRow("empty") << QString() << quint32(0);
        QTest::newRow("one letter") << QStringLiteral("a") << quint32(0xCA2E9442);
        QTest::newRow("word") << QStringLiteral("password") << quint32(0x08D63509);
        QTest::newRow("mixed") << QStringLiteral("Secret123") << quint32(0x187DF2FF);
        QTest::newRow("latin-1 above 127") << QStringLiteral("caf\u00e9") << quint32(0xCDC7B50F);
        QTest::newRow("outside latin-1 counts as 0") << QStringLiteral("\u20ac") << quint32(0);
    }

    void hashesPasswords()
    {
        QFETCH(QString, password);
        QFETCH(quint32, hash);
        QCOMPARE(cSecurityDomainManager::hashPassword(password), hash);
    }

    void answersTheChallenge_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("challenge");
        QTest::addColumn<quint32>("value");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("eight digits")
            << "password"
            << "1A2B3C4D" << quint32(0x78C2051D) << "$PKRX,SAC,C,,80,78C2051D*29\r\n";
        QTest::newRow("no leading zeros")
            << "password"
            << "6242F4BF" << quint32(0xABCDEF) << "$PKRX,SAC,C,,80,ABCDEF*20\r\n";
        QTest::newRow("challenge above 31 bits")
            << "caf\u00e9"
            << "C0FFEE01" << quint32(0x67075757) << "$PKRX,SAC,C,,80,67075757*21\r\n";
        QTest::newRow("lower-case challenge")
            << "password"
            << "1a2b3c4d" << quint32(0x78C2051D) << "$PKRX,SAC,C,,80,78C2051D*29\r\n";
        QTest::newRow("challenge 0") << "password"
                                     << "0" << quint32(0) << "$PKRX,SAC,C,,80,0*17\r\n";
        QTest::newRow("no challenge") << "password"
                                      << "" << quint32(0) << "$PKRX,SAC,C,,80,0*17\r\n";
        QTest::newRow("challenge not a number") << "password"
                                                << "XYZ" << quint32(0) << "$PKRX,SAC,C,,80,0*17\r\n";
    }

    void answersTheChallenge()
    {
        QFETCH(QString, password);
        QFETCH(QString, challenge);
        QFETCH(quint32, value);
        QFETCH(QString, sentence);
        ScriptedPassword user { password };
        cSecurityDomainManager manager(user.source());
        manager.pollSentence();
        manager.parseSac(sacReply(QStringLiteral("R,V,3,0")));
        QCOMPARE(manager.nextJob(), request);
        manager.parseSac(sacReply(QStringLiteral("R,V,3,") + challenge));
        QCOMPARE(manager.nextJob(), response);
        QCOMPARE(manager.responseValue(), value);
        QCOMPARE(manager.responseSentence(), sentence);
    }

    void readsSacReplies_data()
    {
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QChar>("letter");
        QTest::addColumn<int>("number");
        QTest::addColumn<quint32>("challenge");
        const QChar before = QLatin1Char('A');
        QTest::newRow("full reply") << "R,V,12,1A2B" << QChar('V') << 12 << quint32(0x1A2B);
        QTest::newRow("not a reply") << "Q,V,12,1A2B" << before << 7 << quint32(0x99);
        QTest::newRow("empty kind") << ",V,12,1A2B" << before << 7 << quint32(0x99);
        QTest::newRow("no letter") << "R,,12,1A2B" << QChar() << 7 << quint32(0x99);
        QTest::newRow("no number") << "R,V,,1A2B" << QChar('V') << 0 << quint32(0x99);
        QTest::newRow("no challenge field") << "R,V,12" << QChar('V') << 12 << quint32(0);
        QTest::newRow("truncated after the kind") << "R" << QChar() << 7 << quint32(0x99);
        QTest::newRow("challenge wider than 32 bits") << "R,V,12,123456789" << QChar('V') << 12 << quint32(0);
    }

    void readsSacReplies()
    {
        QFETCH(QString, fields);
        QFETCH(QChar, letter);
        QFETCH(int, number);
        QFETCH(quint32, challenge);
        cSecurityDomainManager manager([] { return QString(); });
        manager.parseSac(sacReply(QStringLiteral("R,A,7,99")));
        manager.parseSac(sacReply(fields));
        QCOMPARE(manager.deviceState(), letter);
        QCOMPARE(manager.replyNumber(), number);
        QCOMPARE(manager.challenge(), challenge);
    }

    void decidesTheNextJob_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("letter");
        QTest::addColumn<int>("newState");
        QTest::addColumn<QString>("job");
        QTest::addColumn<int>("asked");
        QTest::newRow("poll, open") << 1 << "A" << 2 << noJob << 0;
        QTest::newRow("poll, locked") << 1 << "V" << 3 << request << 1;
        QTest::newRow("poll, other") << 1 << "X" << 1 << noJob << 0;
        QTest::newRow("request, locked") << 3 << "V" << 4 << response << 1;
        QTest::newRow("request, open") << 3 << "A" << 3 << noJob << 1;
        QTest::newRow("response, granted") << 4 << "A" << 5 << connectionTest << 1;
        QTest::newRow("response, refused") << 4 << "V" << 0 << noJob << 1;
        QTest::newRow("response, other") << 4 << "X" << 4 << noJob << 1;
        QTest::newRow("granted, refresh open") << 5 << "A" << 3 << request << 1;
        QTest::newRow("granted, refresh locked") << 5 << "V" << 3 << request << 1;
        QTest::newRow("idle") << 0 << "V" << 0 << noJob << 1;
        QTest::newRow("open") << 2 << "V" << 2 << noJob << 0;
    }

    void decidesTheNextJob()
    {
        QFETCH(int, state);
        QFETCH(QString, letter);
        QFETCH(int, newState);
        QFETCH(QString, job);
        QFETCH(int, asked);
        ScriptedPassword user { QStringLiteral("password") };
        cSecurityDomainManager manager(user.source());
        driveTo(manager, state);
        QCOMPARE(manager.state(), state);
        manager.parseSac(sacReply(QStringLiteral("R,%1,12,1A2B3C4D").arg(letter)));
        QCOMPARE(manager.nextJob(), job);
        QCOMPARE(manager.state(), newState);
        QCOMPARE(user.asked, asked);
    }

    void refreshAnswersANewChallengeWithoutAskingAgain()
    {
        ScriptedPassword user { QStringLiteral("password") };
        cSecurityDomainManager manager(user.source());
        driveTo(manager, cSecurityDomainManager::AccessGranted);
        QCOMPARE(manager.nextJob(), request);
        manager.parseSac(sacReply(QStringLiteral("R,V,12,6242F4BF")));
        QCOMPARE(manager.nextJob(), response);
        QCOMPARE(manager.responseSentence(), QStringLiteral("$PKRX,SAC,C,,80,ABCDEF*20\r\n"));
        QCOMPARE(user.asked, 1);
    }

    void aReplyWithoutRKeepsThePreviousLetter()
    {
        ScriptedPassword user;
        cSecurityDomainManager manager(user.source());
        manager.pollSentence();
        manager.parseSac(sacReply(QStringLiteral("R,A,12,0")));
        manager.parseSac(sacReply(QStringLiteral("Q,V,12,0")));
        QCOMPARE(manager.nextJob(), noJob);
        QCOMPARE(manager.state(), 2);
        QCOMPARE(user.asked, 0);
    }

    void usesTheDefaultSourceWhenGivenNone()
    {
        ScriptedPassword user { QStringLiteral("a") };
        cSecurityDomainManager::setDefaultPasswordSource(user.source());
        cSecurityDomainManager manager;
        cSecurityDomainManager::setDefaultPasswordSource([] { return QString(); });
        manager.pollSentence();
        manager.parseSac(sacReply(QStringLiteral("R,V,12,0")));
        QCOMPARE(manager.nextJob(), request);
        QCOMPARE(user.asked, 1);
        QCOMPARE(manager.passwordHash(), quint32(0xCA2E9442));
    }
};

QTEST_GUILESS_MAIN(TestSecurityDomainManager)
#include "TestSecurityDomainManager.moc"
