#pragma once

#include "RawClient.h"
#include "SimConfig.h"
#include "SimulatedIdentifier.h"

#include <QObject>
#include <QString>

#include <memory>

// Quick timings, so that the tests need not wait out a real device.
inline SimConfig quickConfig()
{
    SimConfig config;
    config.replyDelayMs = 5;
    config.resetSilenceMs = 50;
    config.bootCIntervalMs = 150;
    config.bootWindowMs = 1500;
    config.deepSleepMs = 300;
    return config;
}

// "$PKRX,0,..." for a command text that is already escaped.
inline QString shellSentence(const QString& command, int domain = 2, int mode = 1, int tag = 0)
{
    static const char* const tokens[] = {"0x00000000", "0x1F4A7B2C", "0x8E51D3A6", "0x47C09E15"};
    return QStringLiteral("$PKRX,0,%1,%2,%3,%4,%5").arg(domain).arg(QLatin1String(tokens[domain])).arg(mode).arg(command).arg(tag);
}

inline QString replyTo(const QString& echo)
{
    return QStringLiteral("$PKRX,255,%1,").arg(echo);
}

// Base of the simulator's tests: one simulated device and the test's client
// on its port, replaced by every start.
class SimFixture : public QObject
{
protected:
    bool startDevice(const SimConfig& config = quickConfig(), speed_t rate = B115200)
    {
        m_client.reset();
        m_sim.reset(new SimulatedIdentifier(config));
        QString error;
        if (!m_sim->start(&error))
            return false;
        m_client.reset(new RawClient);
        return m_client->open(m_sim->portPath(), rate);
    }

    std::unique_ptr<SimulatedIdentifier> m_sim;
    std::unique_ptr<RawClient> m_client;
};
