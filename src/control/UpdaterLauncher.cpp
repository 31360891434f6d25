#include "control/UpdaterLauncher.h"

#include "app/InstallLayout.h"
#include "control/ProcessProbe.h"

#include <QCoreApplication>
#include <QProcess>

namespace {

// The updater is not our child, so its end is noticed by looking; an update
// takes minutes, so a quarter of a second late is soon enough.
const int checkInterval = 250;

} // namespace

UpdaterLauncher::UpdaterLauncher(QObject* parent)
    : QObject(parent)
    , m_program(DefaultProgram())
{
    m_check.setInterval(checkInterval);
    connect(&m_check, &QTimer::timeout, this, &UpdaterLauncher::CheckUpdater);
}

// The updater is left to run.
UpdaterLauncher::~UpdaterLauncher() = default;

QString UpdaterLauncher::DefaultProgram()
{
    return InstallLayout::UpdaterProgram(QCoreApplication::applicationDirPath());
}

bool UpdaterLauncher::Start(const QString& imagePath, const QString& portName, int baudType)
{
    if (IsRunning()) {
        return false;
    }
    // Each argument travels on its own, so an image path with spaces arrives
    // whole without any quoting of ours. The updater talks to the device, not
    // to us: it keeps our standard output and error, and nothing is read.
    QProcess updater;
    updater.setProgram(m_program);
    updater.setArguments({ imagePath, portName, QString::number(baudType) });
    qint64 pid = 0;
    if (!updater.startDetached(&pid)) {
        return false;
    }
    m_updater = std::make_unique<ProcessProbe>(pid);
    m_check.start();
    return true;
}

void UpdaterLauncher::CheckUpdater()
{
    if (m_updater->IsRunning()) {
        return;
    }
    m_check.stop();
    m_updater.reset();
    emit Finished();
}
