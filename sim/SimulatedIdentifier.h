#pragma once

#include "BootLoader.h"
#include "DeviceProtocol.h"
#include "DeviceState.h"
#include "GnssReceiver.h"
#include "PseudoTerminal.h"
#include "SecurityAccess.h"
#include "SerialLine.h"
#include "SimConfig.h"
#include "Transcript.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QTimer>

#include <functional>

// A simulated Identifier on a pseudo-terminal, run by the Qt event loop of
// the thread that owns it. A test makes one, calls start(), opens
// portPath() like any serial port and talks to it; faults can be planned up
// front in the configuration or changed with setFaults(), and transcript()
// tells what crossed the line.
class SimulatedIdentifier : public QObject
{
    Q_OBJECT

public:
    enum class Mode { Off, Running, Resetting, BootLoader, Sleeping, Unplugged };
    Q_ENUM(Mode)

    explicit SimulatedIdentifier(const SimConfig& config = SimConfig(), QObject* parent = nullptr);

    // Opens the pseudo-terminal and powers the device on.
    bool start(QString* error);
    void stop();
    QString portPath() const { return m_terminal.devicePath(); }

    // Loads the device's memory from path if it exists, and saves it there
    // whenever it changes.
    bool useStateFile(const QString& path, QString* error);
    bool setTranscriptFile(const QString& path, QString* error) { return m_transcript.setFile(path, error); }

    void setFaults(const FaultPlan& plan);
    // Falls silent for good, as if the cable had been pulled.
    void unplug();

    Mode mode() const { return m_mode; }
    const SimConfig& config() const { return m_config; }
    const DeviceState& state() const { return m_state; }
    bool isLocked() const { return m_security.isLocked(); }
    bool isStreamingGnss() const { return m_gnssOn && m_mode == Mode::Running; }
    QStringList transcript() const { return m_transcript.entries(); }

    // The version an image announces in its first kilobyte, as
    // "FAMILY.NN.NN.NN" (e.g. 050200.01.10.00); empty when it names none.
    static QString imageVersion(const QByteArray& image);

signals:
    void modeChanged(SimulatedIdentifier::Mode mode);
    void firmwareUpdated(const QString& version);
    // Every complete transfer, with the bytes received, padding included.
    void imageReceived(const QByteArray& image);
    void settingsStored();
    void transcriptEntry(const QString& entry);

private:
    struct Pending {
        QByteArray line;
        qint64 due;
    };

    void onArrived(const QByteArray& bytes, int rate);
    void takeLines(const QByteArray& bytes);
    void queueLine(const QByteArray& line);
    void queueLineAfter(const QByteArray& line, int delayMs);
    void streamVoyageLog();
    void sendDue();
    void onAction(ShellOutcome::Action action);
    void onBootLoaderFinished(bool complete, const QByteArray& image);
    void sendGnssCycle();
    void sendNoise();
    void sendScheduledMessages();
    void setMode(Mode mode);
    void powerCycle();
    void enterBootLoader();
    void bootApplication();
    void after(int ms, const std::function<void()>& next);
    void quieten();
    void saveState();
    bool loadState(const QString& path, QString* error);

    SimConfig m_config;
    DeviceState m_state;
    PseudoTerminal m_terminal;
    SerialLine m_line;
    Transcript m_transcript;
    SecurityAccess m_security;
    DeviceProtocol m_protocol;
    GnssReceiver m_gnss;
    BootLoader m_bootLoader;
    Mode m_mode = Mode::Off;
    bool m_gnssOn = false;
    QByteArray m_lineBuffer;
    QList<Pending> m_pending;
    QElapsedTimer m_clock;
    QTimer m_replyTimer;
    QTimer m_gnssTimer;
    QTimer m_noiseTimer;
    QTimer m_scheduleTimer;
    int m_secondsRunning = 0;
    QTimer m_silenceTimer;
    QTimer m_modeTimer;
    std::function<void()> m_modeNext;
    QString m_statePath;
};
