#include "link/cConnectionManager.h"

#include "link/PortWatcher.h"

#include <QMessageBox>

cConnectionManager::cConnectionManager(QObject* parent)
    : QObject(parent)
    , m_watcher(new PortWatcher(this))
{
    connect(m_watcher, &PortWatcher::portFound, this, &cConnectionManager::portFound);
    connect(m_watcher, &PortWatcher::autoConnect, this, &cConnectionManager::autoConnect);
}

cConnectionManager::~cConnectionManager() = default;

void cConnectionManager::SetDeviceIds(int vendorId, int productId)
{
    m_watcher->SetDeviceIds(vendorId, productId);
}

void cConnectionManager::SetPortPath(const QString& path)
{
    m_watcher->SetPortPath(path);
}

void cConnectionManager::SetTransportPresent(bool present)
{
    m_watcher->SetTransportPresent(present);
}

void cConnectionManager::SetPromptsSuppressed(bool suppressed)
{
    m_promptsSuppressed = suppressed;
}

void cConnectionManager::onPortCheckTimeout()
{
    m_watcher->onPortCheckTimeout();
}

std::unique_ptr<QMessageBox> cConnectionManager::MakeBox(const QString& text)
{
    auto box = std::make_unique<QMessageBox>();
    box->setIcon(QMessageBox::Information);
    box->setText(text);
    box->setStandardButtons(QMessageBox::NoButton);
    box->setModal(false);
    return box;
}

void cConnectionManager::ShowConnectPrompt()
{
    if (m_promptBox || Suppressed()) {
        return;
    }
    m_promptBox = MakeBox(tr("Insert / Connect an Identifier.\n\nApplication is attempting to connect."));
    m_promptBox->setMinimumWidth(100);
    m_promptBox->show();
}

void cConnectionManager::OnDisplayError(const QString& text, const QString& informativeText)
{
    // One error at a time: the box stays until the program clears it.
    if (m_errorBox || Suppressed()) {
        return;
    }
    m_errorBox = MakeBox(text);
    m_errorBox->setInformativeText(informativeText);
    m_errorBox->show();
}

void cConnectionManager::OnClearDisplayError()
{
    m_promptBox.reset();
    m_errorBox.reset();
}

bool cConnectionManager::Suppressed() const
{
    return m_promptsSuppressed || m_stopped;
}

void cConnectionManager::StopPrompting()
{
    m_stopped = true;
    OnClearDisplayError();
}
