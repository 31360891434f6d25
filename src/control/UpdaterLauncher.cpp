#include "control/UpdaterLauncher.h"

#include "app/PlatformInfo.h"

#include <QCoreApplication>

UpdaterLauncher::UpdaterLauncher(QObject* parent)
    : QObject(parent)
    , m_program(DefaultProgram())
{
    // The updater talks to the device, not to us: its output is not read.
    m_process.setProcessChannelMode(QProcess::ForwardedChannels);
    connect(&m_process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
        &UpdaterLauncher::OnFinished);
}

QString UpdaterLauncher::DefaultProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/AISImage/")
        + PlatformInfo::UpdaterFileName();
}

bool UpdaterLauncher::IsRunning() const
{
    return m_process.state() != QProcess::NotRunning;
}

bool UpdaterLauncher::Start(const QString& imagePath, const QString& portName, int baudType)
{
    if (IsRunning()) {
        return false;
    }
    // Each argument travels on its own, so an image path with spaces arrives
    // whole without any quoting of ours.
    m_process.start(m_program, { imagePath, portName, QString::number(baudType) });
    return m_process.waitForStarted();
}

void UpdaterLauncher::OnFinished()
{
    emit Finished();
}
