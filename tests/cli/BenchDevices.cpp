#include "BenchDevices.h"

#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QThread>

BenchDevices::BenchDevices(const QString& folder, const QString& settings)
    : m_folder(folder)
    , m_settings(settings)
{
}

BenchDevices::~BenchDevices()
{
    Stop();
}

bool BenchDevices::Start(int count, int first)
{
    for (int index = first; index < first + count; ++index) {
        Device device;
        device.link = QStringLiteral("%1/port%2").arg(m_folder).arg(index);
        device.transcript = QStringLiteral("%1/transcript%2.txt").arg(m_folder).arg(index);
        const QString config = QStringLiteral("%1/device%2.json").arg(m_folder).arg(index);
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly)
            || file.write(QStringLiteral("{\"serialNumber\": \"3000000%1\", %2}")
                              .arg(index, 5, 10, QLatin1Char('0'))
                              .arg(m_settings)
                              .toUtf8())
                < 0) {
            return false;
        }
        file.close();
        device.process = std::make_unique<QProcess>();
        device.process->start(QStringLiteral(BINARY_DIR "/identifier-sim"),
            { QStringLiteral("--link"), device.link, QStringLiteral("--config"), config,
                QStringLiteral("--transcript"), device.transcript });
        m_devices.push_back(std::move(device));
    }
    return WaitForLinks();
}

void BenchDevices::Stop()
{
    for (Device& device : m_devices) {
        if (device.process->state() != QProcess::NotRunning) {
            device.process->terminate();
            device.process->waitForFinished(3000);
        }
    }
}

QStringList BenchDevices::PortArguments() const
{
    QStringList arguments;
    for (const Device& device : m_devices) {
        arguments << QStringLiteral("--port") << device.link;
    }
    return arguments;
}

bool BenchDevices::WaitForLinks() const
{
    for (int tries = 0; tries < 100; ++tries) {
        bool all = true;
        for (const Device& device : m_devices) {
            all = all && QFileInfo::exists(device.link);
        }
        if (all) {
            return true;
        }
        QThread::msleep(50);
    }
    return false;
}

int BenchDevices::RunCli(const QStringList& arguments, const QString& home, QByteArray* out)
{
    QProcess cli;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home);
    cli.setProcessEnvironment(environment);
    cli.start(QStringLiteral(BINARY_DIR "/velmora-cli"), arguments);
    cli.waitForFinished(300000);
    *out = cli.readAllStandardOutput();
    return cli.exitCode();
}
