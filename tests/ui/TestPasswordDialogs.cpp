#include "UiTestSupport.h"

#include "ui/LoginDialog.h"
#include "ui/SetPasswordDialog.h"

// The order matters: the store starts without a password, and the tests set
// one as a user would.
class TestPasswordDialogs : public QObject {
    Q_OBJECT

private slots:
    void logInWithoutPassword_data();
    void logInWithoutPassword();
    void firstPasswordCannotBeCancelled();
    void setPasswordRules_data();
    void setPasswordRules();
    void newPasswordReplacesDefault();

private:
    static bool OkEnabled(QDialog& dialog, const char* button)
    {
        return dialog.findChild<QPushButton*>(QLatin1String(button))->isEnabled();
    }
};

void TestPasswordDialogs::logInWithoutPassword_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("default") << "Lanternbay.64" << true;
    QTest::newRow("wrong case") << "lanternbay.64" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("prefix") << "Lanternbay" << false;
}

void TestPasswordDialogs::logInWithoutPassword()
{
    QFETCH(QString, password);
    QFETCH(bool, accepted);
    QVERIFY(!VelmoraApplication::Instance()->HasPassword());
    LoginDialog login(nullptr);
    QVERIFY(!OkEnabled(login, "pushOK"));
    UiTest::TypeInto(&login, "lineEditPassword", password);
    QCOMPARE(OkEnabled(login, "pushOK"), accepted);
    QCOMPARE(
        login.findChild<QLineEdit*>(QStringLiteral("lineEditPassword"))->echoMode(), QLineEdit::Password);
}

void TestPasswordDialogs::firstPasswordCannotBeCancelled()
{
    SetPasswordDialog dialog;
    QVERIFY(!OkEnabled(dialog, "cancelButton"));
    QVERIFY(!OkEnabled(dialog, "okButton"));
    QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
}

void TestPasswordDialogs::setPasswordRules_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("again");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("all correct") << "Lanternbay.64"
                                 << "harbour"
                                 << "harbour" << true;
    QTest::newRow("re-entry differs") << "Lanternbay.64"
                                      << "harbour"
                                      << "harbor" << false;
    QTest::newRow("re-entry differs in case") << "Lanternbay.64"
                                              << "harbour"
                                              << "Harbour" << false;
    QTest::newRow("wrong current password") << "Lanternbay"
                                            << "harbour"
                                            << "harbour" << false;
    QTest::newRow("empty new password") << "Lanternbay.64"
                                        << ""
                                        << "" << false;
}

void TestPasswordDialogs::setPasswordRules()
{
    QFETCH(QString, current);
    QFETCH(QString, password);
    QFETCH(QString, again);
    QFETCH(bool, enabled);

    SetPasswordDialog dialog;
    UiTest::TypeInto(&dialog, "lineEditPassword", password);
    UiTest::TypeInto(&dialog, "lineEditPasswordReenter", again);
    UiTest::TypeInto(&dialog, "lineEditCurrentPassword", current);
    QCOMPARE(OkEnabled(dialog, "okButton"), enabled);
    QVERIFY(!VelmoraApplication::Instance()->HasPassword());
}

void TestPasswordDialogs::newPasswordReplacesDefault()
{
    {
        SetPasswordDialog dialog;
        UiTest::TypeInto(&dialog, "lineEditCurrentPassword", QStringLiteral("Lanternbay.64"));
        UiTest::TypeInto(&dialog, "lineEditPassword", QStringLiteral("harbour"));
        UiTest::TypeInto(&dialog, "lineEditPasswordReenter", QStringLiteral("harbour"));
        dialog.open();
        UiTest::ClickButton(&dialog, "okButton");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
    QVERIFY(VelmoraApplication::Instance()->HasPassword());

    LoginDialog login(nullptr);
    UiTest::TypeInto(&login, "lineEditPassword", QStringLiteral("Lanternbay.64"));
    QVERIFY(!OkEnabled(login, "pushOK"));
    UiTest::TypeInto(&login, "lineEditPassword", QStringLiteral("harbour"));
    QVERIFY(OkEnabled(login, "pushOK"));

    SetPasswordDialog change;
    QVERIFY(OkEnabled(change, "cancelButton"));
    UiTest::TypeInto(&change, "lineEditCurrentPassword", QStringLiteral("Lanternbay.64"));
    UiTest::TypeInto(&change, "lineEditPassword", QStringLiteral("x"));
    UiTest::TypeInto(&change, "lineEditPasswordReenter", QStringLiteral("x"));
    QVERIFY(!OkEnabled(change, "okButton"));
    UiTest::TypeInto(&change, "lineEditCurrentPassword", QStringLiteral("harbour"));
    QVERIFY(OkEnabled(change, "okButton"));
}

VELMORA_UI_TEST_MAIN(TestPasswordDialogs)
#include "TestPasswordDialogs.moc"
