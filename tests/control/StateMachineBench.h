#pragma once

#include "SimulatedIdentifier.h"
#include "app/UpdateImages.h"
#include "control/StateMachine.h"
#include "link/SerialController.h"
#include "link/SerialTransport.h"
#include "model/Model.h"

#include <QtTest>

#include <memory>

inline SimConfig QuickDevice(const QString& version = QStringLiteral("050200.02.01.00"))
{
    SimConfig config;
    config.version = version;
    config.replyDelayMs = 5;
    config.resetSilenceMs = 50;
    return config;
}

// The program's connection side against a simulated Identifier in this
// process, wired as the application wires it, with the main window's one
// reaction to a new link (asking for the device to be identified).
struct Bench {
    explicit Bench(const SimConfig& config, const QString& imageFolder = QString())
        : device(config)
    {
        images.Scan({ imageFolder });
        machine = std::make_unique<StateMachine>(
            &tabModel, &transportModel, &images, folder.filePath(QStringLiteral("velmoraProgrammed.csv")));
        QObject::connect(
            machine.get(), &StateMachine::sm_connected, machine.get(), &StateMachine::on_StartDataRetrieval);
        QString error;
        started = device.start(&error);
        machine->SetPortName(device.portPath());
        transport = std::make_unique<SerialTransport>(&transportModel, &controller, device.portPath());
        machine->Attach(transport.get());
    }

    bool Identify()
    {
        QSignalSpy type(machine.get(), &StateMachine::AISType);
        return transport->ConnectAtBaud(true) && type.wait(5000) && WaitIdle();
    }

    bool WaitIdle()
    {
        QSignalSpy done(transport.get(), &Transport::AllJobsComplete);
        return machine->IsIdle() || done.wait(15000);
    }

    QTemporaryDir folder;
    SimulatedIdentifier device;
    bool started = false;
    Model tabModel;
    Model transportModel;
    UpdateImages images;
    SerialController controller;
    std::unique_ptr<StateMachine> machine;
    std::unique_ptr<SerialTransport> transport;
};
