#pragma once

// The whole configuration program in this process, against a simulated
// Identifier, driven as a user drives it: through the window's own controls.
// Used by the end-to-end tests and by the screenshot tour.

#include "SimulatedIdentifier.h"
#include "UiTestSupport.h"

#include "link/SerialTransport.h"
#include "link/cConnectionManager.h"
#include "ui/BasicTab.h"
#include "ui/MainWindow.h"

#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>

#include <memory>

class ProgramDriver {
public:
    explicit ProgramDriver(const SimConfig& config)
        : device(config)
    {
    }

    // The next driver in the same process starts without a link.
    ~ProgramDriver() { VelmoraApplication::Instance()->Disconnect(false); }

    // Powers the device on and opens the window; the program finds the
    // device by itself at its next port check.
    bool Start()
    {
        QString error;
        if (!device.start(&error)) {
            qWarning("simulated Identifier: %s", qPrintable(error));
            return false;
        }
        VelmoraApplication* application = VelmoraApplication::Instance();
        window = std::make_unique<MainWindow>();
        application->SetMainWindow(window.get());
        window->show();
        application->GetConnectionManager()->SetPortPath(device.portPath());
        return true;
    }

    MainWindow* Window() const { return window.get(); }
    QTabWidget* Tabs() const { return window->findChild<QTabWidget*>(QStringLiteral("tabs")); }

    template <typename T> T* Find(const char* name) const
    {
        T* widget = window->findChild<T*>(QLatin1String(name));
        if (!widget)
            qWarning("no widget %s", name);
        return widget;
    }

    // Connected, identified and every read of the mode done: the controls
    // are enabled again.
    bool WaitIdle(int timeout = 30000) const
    {
        return QTest::qWaitFor(
            [this] {
                if (window->statusBar()->currentMessage() == QCoreApplication::translate("MainWindow", "Ready"))
                    return false;
                if (window->CurrentMode() == MainWindow::Mode::Basic) {
                    QWidget* basic = window->GetBasicTab();
                    return basic->isEnabled()
                        && basic->findChild<QWidget*>(QStringLiteral("lineVesselName"))->isEnabled();
                }
                // A page being read or written is disabled until its job is done.
                return Tabs()->isEnabled() && window->Page(MainWindow::TabConfiguration)->isEnabled()
                    && window->Page(MainWindow::TabControl)->isEnabled()
                    && window->Page(MainWindow::TabVoyageData)->isEnabled();
            },
            timeout);
    }

    // The status bar names the link once the disconnect's grey seconds, if
    // any, are over.
    bool ShowsLink() const
    {
        auto* grey = window->findChild<QTimer*>(QStringLiteral("disconnectTimer"));
        if (!QTest::qWaitFor([grey] { return !grey->isActive(); }, 10000))
            return false;
        const SerialTransport* transport = VelmoraApplication::Instance()->GetTransport();
        const QString shown = window->statusBar()->currentMessage();
        if (transport && transport->IsConnected() && shown == transport->ConnectionDescription())
            return true;
        qWarning("the status bar shows \"%s\"", qPrintable(shown));
        return false;
    }

    // The English name of the mode: a loaded translation is followed.
    void ClickMode(const QString& text) const
    {
        const QString shown = QCoreApplication::translate("ModePages", text.toUtf8().constData());
        for (QToolButton* button : window->findChildren<QToolButton*>()) {
            if (button->text() == shown) {
                button->click();
                return;
            }
        }
        qWarning("no mode button %s", qPrintable(text));
    }

    // The first log-in of a fresh installation: the default password, then a
    // password of the user's own.
    void LogIn(const QString& newPassword) const
    {
        UiTest::AnswerNextModal([newPassword](QWidget* login) {
            UiTest::TypeInto(login, "lineEditPassword", QStringLiteral("Lanternbay.64"));
            UiTest::ClickButton(login, "pushOK");
            UiTest::AnswerNextModal([newPassword](QWidget* setPassword) {
                UiTest::TypeInto(setPassword, "lineEditCurrentPassword", QStringLiteral("Lanternbay.64"));
                UiTest::TypeInto(setPassword, "lineEditPassword", newPassword);
                UiTest::TypeInto(setPassword, "lineEditPasswordReenter", newPassword);
                UiTest::ClickButton(setPassword, "okButton");
            });
        });
        ClickMode(QStringLiteral("Advanced mode"));
    }

    // Advanced mode with the user's password: the session's first log-in sets
    // it, later ones give it.
    void EnterAdvancedMode(const QString& password) const
    {
        if (!VelmoraApplication::Instance()->HasPassword()) {
            LogIn(password);
            return;
        }
        UiTest::AnswerNextModal([password](QWidget* login) {
            UiTest::TypeInto(login, "lineEditPassword", password);
            UiTest::ClickButton(login, "pushOK");
        });
        ClickMode(QStringLiteral("Advanced mode"));
    }

    // Leaves advanced mode and enters it again, so every page is read anew.
    bool ReadAgain(const QString& password) const
    {
        ClickMode(QStringLiteral("Basic mode"));
        if (!WaitIdle())
            return false;
        EnterAdvancedMode(password);
        return WaitIdle();
    }

    SimulatedIdentifier device;

private:
    std::unique_ptr<MainWindow> window;
};
