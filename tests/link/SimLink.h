#pragma once

#include "SimulatedIdentifier.h"
#include "link/SerialController.h"
#include "link/SerialTransport.h"
#include "model/Model.h"

#include <QtTest>

#include <memory>

// A device that answers at once, so tests need not wait out a real one.
inline SimConfig QuickDevice()
{
    SimConfig config;
    config.replyDelayMs = 5;
    config.resetSilenceMs = 50;
    return config;
}

// The program's side of a link to a simulated Identifier in the same
// process: model, serial controller and a transport on the simulator's port.
struct SimLink {
    explicit SimLink(const SimConfig& config)
        : device(config)
    {
        QString error;
        started = device.start(&error);
        if (started) {
            transport = std::make_unique<SerialTransport>(&model, &controller, device.portPath());
        }
    }

    // What the connection state machine does with the transport's requests
    // for a connection test and for the next security step.
    void actAsStateMachine()
    {
        QObject::connect(transport.get(), &Transport::testConnection, transport.get(),
            [this](int) { transport->QueueJob(QStringLiteral("Connection Test"), false); });
        QObject::connect(transport.get(), &Transport::JobComplete, transport.get(),
            [this](const QString& name, bool) {
                if (name.startsWith(QLatin1String("Poll Security")) || name.startsWith(QLatin1String("Security"))) {
                    transport->onTriggerSecurityAccess();
                }
            });
    }

    SimulatedIdentifier device;
    bool started = false;
    Model model;
    SerialController controller;
    std::unique_ptr<SerialTransport> transport;
};
