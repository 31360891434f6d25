#pragma once

// Support for the widget tests that need the application object: a main that
// runs the tests inside a VelmoraApplication whose settings live in a
// throw-away folder, and a way to answer the modal dialogs a test provokes.

#include "app/VelmoraApplication.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace UiTest {

// Runs `answer` on the next modal dialog as soon as it is open. The answer
// must close the dialog. Gives up after `patience` milliseconds, so that a
// dialog that never comes fails the test instead of hanging it.
inline void AnswerNextModal(std::function<void(QWidget*)> answer, int patience = 2000)
{
    auto* poll = new QTimer;
    poll->setInterval(5);
    auto waited = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [poll, answer, waited, patience] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal && (*waited += poll->interval()) < patience)
            return;
        poll->deleteLater();
        poll->stop();
        if (modal)
            answer(modal);
    });
    poll->start();
}

// A control of a form by its object name; the test cannot go on without it.
template <typename T> T* Child(const QObject* parent, const char* name)
{
    T* child = parent->findChild<T*>(QLatin1String(name));
    if (!child)
        qFatal("no %s in %s", name, qPrintable(parent->objectName()));
    return child;
}

// Settings and data files go to a throw-away folder, never the user's own.
inline void UseUserFolder(const QString& folder)
{
    qputenv("XDG_CONFIG_HOME", (folder + QStringLiteral("/config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (folder + QStringLiteral("/data")).toLocal8Bit());
}

inline void ClickButton(QWidget* dialog, const char* name)
{
    auto* button = dialog->findChild<QPushButton*>(QLatin1String(name));
    QVERIFY2(button, name);
    QVERIFY2(button->isEnabled(), name);
    button->click();
}

inline void TypeInto(QWidget* dialog, const char* name, const QString& text)
{
    auto* edit = dialog->findChild<QLineEdit*>(QLatin1String(name));
    QVERIFY2(edit, name);
    edit->setText(text);
}

} // namespace UiTest

#define VELMORA_UI_TEST_MAIN(TestClass)                                                                      \
    int main(int argc, char** argv)                                                                          \
    {                                                                                                        \
        QTemporaryDir userFolder;                                                                            \
        UiTest::UseUserFolder(userFolder.path());                                                            \
        VelmoraApplication application(argc, argv);                                                          \
        TestClass test;                                                                                      \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
