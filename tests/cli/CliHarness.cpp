#include "CliHarness.h"

#include <QCoreApplication>
#include <QDebug>
#include <QElapsedTimer>
#include <QFile>

SimConfig CliHarness::QuickDevice(const QString& serialNumber)
{
    SimConfig config;
    config.serialNumber = serialNumber;
    config.replyDelayMs = 5;
    config.resetSilenceMs = 50;
    config.voyageGenerate = 25;
    return config;
}

bool CliHarness::Reset()
{
    m_dir = std::make_unique<QTemporaryDir>();
    return m_dir->isValid();
}

std::unique_ptr<SimulatedIdentifier> CliHarness::Plug(const QString& link, SimConfig config)
{
    auto device = std::make_unique<SimulatedIdentifier>(config);
    QString error;
    if (!device->start(&error) || !QFile::link(device->portPath(), link)) {
        qWarning() << "device not started:" << error;
        return nullptr;
    }
    return device;
}

void CliHarness::Launch(QProcess& process, const QStringList& arguments, const QString& input)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The configuration log and the settings stay in the test's folder.
    environment.insert(QStringLiteral("HOME"), m_dir->path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), m_dir->filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir->filePath(QStringLiteral("config")));
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR")); // as on a bench computer without a session
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(m_dir->path());
    process.setStandardInputFile(input.isEmpty() ? QProcess::nullDevice() : input);
    process.start(QStringLiteral(BINARY_DIR "/velmora-cli"), arguments);
}

void CliHarness::WaitFor(QProcess& process, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (process.state() != QProcess::NotRunning && clock.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(2000);
    }
}

int CliHarness::Run(const QStringList& arguments, QString* out)
{
    QProcess process;
    Launch(process, arguments);
    WaitFor(process, CommandTimeoutMs);
    if (out) {
        *out = QString::fromUtf8(process.readAllStandardOutput());
    }
    m_errors = QString::fromUtf8(process.readAllStandardError());
    if (!m_errors.isEmpty()) {
        qInfo().noquote() << arguments.first() << "said:" << m_errors.trimmed();
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QString CliHarness::WriteFile(const QString& name, const QByteArray& bytes)
{
    QFile file(PathOf(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        qWarning() << "cannot write" << file.fileName();
    }
    return file.fileName();
}

QString CliHarness::ReadFile(const QString& name) const
{
    QFile file(PathOf(name));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
