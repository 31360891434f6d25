#pragma once

// The whole program against a simulated Identifier that misbehaves, with
// what a fault test needs beyond the program driver: the device reached
// through a link of a stable name (as a udev rule gives one), so that a
// device plugged in again under another terminal name is found by the same
// name; the boxes the program shows; and a hook on what the device receives.

#include "ui/ProgramDriver.h"

#include <QFile>
#include <QLineEdit>
#include <QMessageBox>

#include <functional>
#include <memory>

class FaultRig : public ProgramDriver {
public:
    explicit FaultRig(const SimConfig& config)
        : ProgramDriver(config)
        , config(config)
    {
    }

    // The boxes have no parent: they must not outlive the test's
    // application object.
    ~FaultRig() { VelmoraApplication::Instance()->GetConnectionManager()->OnClearDisplayError(); }

    // Starts the device and the window, and points the program at the link.
    bool Start()
    {
        QString error;
        if (!device.useStateFile(StatePath(), &error)) {
            qWarning("simulated Identifier: %s", qPrintable(error));
            return false;
        }
        if (!ProgramDriver::Start())
            return false;
        Relink(device.portPath());
        VelmoraApplication::Instance()->GetConnectionManager()->SetPortPath(LinkPath());
        return true;
    }

    QString LinkPath() const { return folder.filePath(QStringLiteral("ttyIdentifier")); }

    // The port vanishes, as when the cable is pulled: the device stops and
    // its terminal and the link with it are gone.
    void Unplug()
    {
        QFile::remove(LinkPath());
        Current().stop();
    }

    // Runs `action` once, just after the device has received a line
    // containing `text` (the device is not stopped from inside its own signal).
    void OnReceived(const QString& text, std::function<void()> action)
    {
        auto fired = std::make_shared<bool>(false);
        QObject::connect(&Current(), &SimulatedIdentifier::transcriptEntry, &Current(),
            [text, action, fired](const QString& entry) {
                if (*fired || !entry.contains(QLatin1String(" RX ")) || !entry.contains(text))
                    return;
                *fired = true;
                QTimer::singleShot(0, action);
            });
    }

    // The same device, memory and all, plugged in again: a new terminal
    // under a new name, reached through the same link.
    bool PlugInAgain()
    {
        SimConfig again = config;
        again.faults = FaultPlan();
        again.settings = QJsonObject();
        replugged = std::make_unique<SimulatedIdentifier>(again);
        QString error;
        if (!replugged->useStateFile(StatePath(), &error) || !replugged->start(&error)) {
            qWarning("simulated Identifier: %s", qPrintable(error));
            return false;
        }
        return Relink(replugged->portPath());
    }

    SimulatedIdentifier& Current() { return replugged ? *replugged : device; }

    // The texts of the message boxes on screen, text and details.
    static QStringList Boxes()
    {
        QStringList texts;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box && box->isVisible())
                texts << box->text() + QLatin1Char(' ') + box->informativeText();
        }
        return texts;
    }

    // Replaces a field's text by typing, as the user does, so that the
    // page notices the edit.
    static void Type(QWidget* page, const char* field, const QString& text)
    {
        auto* edit = UiTest::Child<QLineEdit>(page, field);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

    // The box that says the device is gone and the program waits for it.
    static bool ShowsDeviceLost() { return Shows(QStringLiteral("Error connecting to the Identifier.")); }

    static bool Shows(const QString& text) { return Boxes().join(QLatin1Char('\n')).contains(text); }

private:
    QString StatePath() const { return folder.filePath(QStringLiteral("device.json")); }

    bool Relink(const QString& target)
    {
        QFile::remove(LinkPath());
        return QFile::link(target, LinkPath());
    }

    SimConfig config;
    QTemporaryDir folder;
    std::unique_ptr<SimulatedIdentifier> replugged;
};
