#include "protocol/cChapPasswordEntry.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class TestChapPasswordEntry : public QObject {
    Q_OBJECT

private:
    static QLineEdit* field(QWidget& dialog)
    {
        return dialog.findChild<QLineEdit*>(QStringLiteral("lineEdit_password_1"));
    }
    static QPushButton* button(QWidget& dialog)
    {
        return dialog.findChild<QPushButton*>(QStringLiteral("pushButton_use_password"));
    }

private slots:
    void looksAsSpecified()
    {
        cChapPasswordEntry dialog;
        QCOMPARE(dialog.objectName(), QStringLiteral("cChapPasswordEntry"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Enter Access Password"));
        QCOMPARE(dialog.windowModality(), Qt::ApplicationModal);
        QVERIFY(dialog.isModal());
        QVERIFY(!dialog.isSizeGripEnabled());
        QCOMPARE(dialog.contextMenuPolicy(), Qt::NoContextMenu);
        QCOMPARE(field(dialog)->maxLength(), 40);
        QCOMPARE(field(dialog)->echoMode(), QLineEdit::Password);
        QCOMPARE(button(dialog)->text(), QStringLiteral("Use Password"));
        const auto* prompt = dialog.findChild<QLabel*>(QStringLiteral("label"));
        QCOMPARE(prompt->text(), QStringLiteral(" Enter password:"));
        const auto* warning = dialog.findChild<QLabel*>(QStringLiteral("label_warning_triangle"));
        QVERIFY(!warning->pixmap(Qt::ReturnByValue).isNull());
        QCOMPARE(dialog.password(), QString());
    }

    void showsTheWholeIntroduction()
    {
        cChapPasswordEntry dialog;
        dialog.show();
        QCOMPARE(dialog.width(), 394);
        QVERIFY(dialog.height() >= 86);
        const auto* intro = dialog.findChild<QLabel*>(QStringLiteral("label_introduction"));
        QVERIFY(intro->height() >= intro->heightForWidth(intro->width()));
    }

    void enablesTheButtonOnlyWithText()
    {
        cChapPasswordEntry dialog;
        QVERIFY(!button(dialog)->isEnabled());
        QTest::keyClicks(field(dialog), QStringLiteral("ab"));
        QVERIFY(button(dialog)->isEnabled());
        QCOMPARE(dialog.password(), QStringLiteral("ab"));
        QTest::keyClick(field(dialog), Qt::Key_Backspace);
        QVERIFY(button(dialog)->isEnabled());
        QTest::keyClick(field(dialog), Qt::Key_Backspace);
        QVERIFY(!button(dialog)->isEnabled());
        QCOMPARE(dialog.password(), QString());
    }

    void keepsTheTextWhenClosedByItsWindowControls()
    {
        cChapPasswordEntry dialog;
        dialog.show();
        QTest::keyClicks(field(dialog), QStringLiteral("secret"));
        dialog.close();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.password(), QStringLiteral("secret"));
    }

    void asksModallyAndReturnsTheTypedPassword()
    {
        // The dialog runs its own event loop: type and press the button from
        // inside it, as a user would.
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<cChapPasswordEntry*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QTest::keyClicks(field(*dialog), QStringLiteral("open sesame"));
            QTest::mouseClick(button(*dialog), Qt::LeftButton);
        });
        QCOMPARE(cChapPasswordEntry::askPassword(), QStringLiteral("open sesame"));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }
};

QTEST_MAIN(TestChapPasswordEntry)
#include "TestChapPasswordEntry.moc"
