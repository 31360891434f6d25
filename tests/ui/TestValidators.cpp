#include "ui/AisValidator.h"
#include "ui/MMSIValidator.h"

#include <QtTest>

Q_DECLARE_METATYPE(QValidator::State)

class TestValidators : public QObject {
    Q_OBJECT

private slots:
    void aisValidate_data();
    void aisValidate();
    void aisFixup_data();
    void aisFixup();
    void mmsiValidate_data();
    void mmsiValidate();
    void mmsiFixup_data();
    void mmsiFixup();
};

void TestValidators::aisValidate_data()
{
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QValidator::State>("state");

    QTest::newRow("empty") << 20 << "" << QValidator::Acceptable;
    QTest::newRow("upper case and digits") << 20 << "SEA SPRITE 2" << QValidator::Acceptable;
    QTest::newRow("whole six-bit range")
        << 64 << "@ABCXYZ[\\]^_ !\"#$%&'()*+,-./0123456789:;<=>?" << QValidator::Acceptable;
    QTest::newRow("lower case tolerated") << 20 << "Sea Sprite" << QValidator::Intermediate;
    QTest::newRow("full length") << 7 << "ABCDEFG" << QValidator::Acceptable;
    QTest::newRow("one too long") << 7 << "ABCDEFGH" << QValidator::Invalid;
    QTest::newRow("too long stays invalid with lower case") << 7 << "abcdefgh" << QValidator::Invalid;
    QTest::newRow("tilde") << 20 << "AB~" << QValidator::Invalid;
    QTest::newRow("backquote") << 20 << "`" << QValidator::Invalid;
    QTest::newRow("brace after lower case") << 20 << "ab{" << QValidator::Invalid;
    QTest::newRow("tab character") << 20 << "A\tB" << QValidator::Invalid;
    QTest::newRow("accented letter") << 20 << QString::fromUtf8("CAF\xc3\x89") << QValidator::Invalid;
}

void TestValidators::aisValidate()
{
    QFETCH(int, maxLength);
    QFETCH(QString, text);
    QFETCH(QValidator::State, state);
    AisValidator validator(maxLength, nullptr);
    int pos = 0;
    QCOMPARE(validator.validate(text, pos), state);
}

void TestValidators::aisFixup_data()
{
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("fixed");

    QTest::newRow("upper case") << 20 << "sea sprite"
                                << "SEA SPRITE";
    QTest::newRow("cut to length") << 7 << "gbxy1234"
                                   << "GBXY123";
    QTest::newRow("already fine") << 7 << "GBXY"
                                  << "GBXY";
}

void TestValidators::aisFixup()
{
    QFETCH(int, maxLength);
    QFETCH(QString, text);
    QFETCH(QString, fixed);
    AisValidator(maxLength, nullptr).fixup(text);
    QCOMPARE(text, fixed);
}

void TestValidators::mmsiValidate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QValidator::State>("state");

    QTest::newRow("empty") << "" << QValidator::Intermediate;
    QTest::newRow("eight digits") << "23512345" << QValidator::Intermediate;
    QTest::newRow("nine digits") << "235123456" << QValidator::Acceptable;
    QTest::newRow("all zero") << "000000000" << QValidator::Acceptable;
    QTest::newRow("letter") << "23512a" << QValidator::Invalid;
    QTest::newRow("sign") << "+23512" << QValidator::Invalid;
    QTest::newRow("blank") << " 23512" << QValidator::Invalid;
    QTest::newRow("ten digits, too large") << "1000000000" << QValidator::Invalid;
    QTest::newRow("ten digits, leading zero") << "0999999999" << QValidator::Intermediate;
    QTest::newRow("beyond 64 bits") << "99999999999999999999999" << QValidator::Invalid;
}

void TestValidators::mmsiValidate()
{
    QFETCH(QString, text);
    QFETCH(QValidator::State, state);
    MMSIValidator validator;
    int pos = 0;
    QCOMPARE(validator.validate(text, pos), state);
}

void TestValidators::mmsiFixup_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("fixed");

    QTest::newRow("padded") << "123"
                            << "000000123";
    QTest::newRow("cut") << "2351234567"
                         << "235123456";
    QTest::newRow("empty") << ""
                           << "000000000";
    QTest::newRow("zero") << "0"
                          << "000000000";
    QTest::newRow("not a number") << "12x"
                                  << "000000000";
    QTest::newRow("complete") << "235123456"
                              << "235123456";
}

void TestValidators::mmsiFixup()
{
    QFETCH(QString, text);
    QFETCH(QString, fixed);
    MMSIValidator().fixup(text);
    QCOMPARE(text, fixed);
}

QTEST_MAIN(TestValidators)
#include "TestValidators.moc"
