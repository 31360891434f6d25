#include "ui/RecoveryPrompt.h"

#include "recovery/BootLoaderRecovery.h"
#include "ui/RecoveryFamilyDialog.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

RecoveryPrompt::RecoveryPrompt(BootLoaderRecovery* recovery, QWidget* window)
    : QObject(window)
    , m_recovery(recovery)
    , m_window(window)
{
    connect(recovery, &BootLoaderRecovery::waiting, this, &RecoveryPrompt::Offer);
    connect(recovery, &BootLoaderRecovery::progress, this, &RecoveryPrompt::ShowProgress);
    connect(recovery, &BootLoaderRecovery::recovered, this,
        [this](const QString& text) { ShowOutcome(QMessageBox::Information, text); });
    connect(recovery, &BootLoaderRecovery::failed, this,
        [this](const QString& text) { ShowOutcome(QMessageBox::Warning, text); });
}

RecoveryPrompt::~RecoveryPrompt() = default;

QMessageBox* RecoveryPrompt::OfferBox(QWidget* parent)
{
    auto* box = new QMessageBox(QMessageBox::Question, QCoreApplication::applicationName(),
        tr("An Identifier is waiting in its boot loader for firmware"), QMessageBox::NoButton, parent);
    box->setObjectName(QStringLiteral("recoveryOffer"));
    box->setInformativeText(tr("An update was cut short: it runs no application until it has been sent "
                               "firmware. Recover it now?"));
    QPushButton* recover = box->addButton(tr("Recover..."), QMessageBox::AcceptRole);
    recover->setObjectName(QStringLiteral("recoverButton"));
    box->addButton(tr("Not now"), QMessageBox::RejectRole);
    box->setDefaultButton(recover);
    return box;
}

// Not modal: the window stays usable while the offer waits for an answer.
void RecoveryPrompt::Offer()
{
    m_offer.reset(OfferBox(m_window));
    m_offer->setModal(false);
    connect(m_offer.get(), &QMessageBox::buttonClicked, this, &RecoveryPrompt::OnOfferAnswered);
    m_offer->show();
}

void RecoveryPrompt::OnOfferAnswered(QAbstractButton* button)
{
    const bool recover = m_offer->buttonRole(button) == QMessageBox::AcceptRole;
    // The box is inside its own signal here.
    m_offer.release()->deleteLater();
    if (recover) {
        QTimer::singleShot(0, this, &RecoveryPrompt::AskFamily);
    } else {
        m_recovery->Decline();
    }
}

void RecoveryPrompt::AskFamily()
{
    QMap<QString, QString> images;
    for (const QString& family : BootLoaderRecovery::Families()) {
        images.insert(family, m_recovery->ImageOf(family));
    }
    RecoveryFamilyDialog question(images, m_recovery->PreselectedFamily(), m_window);
    if (question.exec() != QDialog::Accepted) {
        m_recovery->Decline();
        return;
    }
    // Modal to the window: nothing else may reach the device meanwhile.
    m_progress = std::make_unique<QProgressDialog>(
        tr("Sending the firmware to the boot loader..."), QString(), 0, 100, m_window);
    m_progress->setObjectName(QStringLiteral("recoveryProgress"));
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    m_progress->setMinimumDuration(0);
    m_progress->setValue(0);
    m_progress->show();
    m_recovery->Recover(question.ImagePath());
}

void RecoveryPrompt::ShowProgress(int percent)
{
    if (!m_progress) {
        return;
    }
    m_progress->setValue(percent);
    if (percent == 100) {
        m_progress->setLabelText(tr("Waiting for the Identifier to start its new firmware..."));
    }
}

void RecoveryPrompt::ShowOutcome(QMessageBox::Icon icon, const QString& text)
{
    m_progress.reset();
    m_outcome = std::make_unique<QMessageBox>(
        icon, QCoreApplication::applicationName(), text, QMessageBox::Ok, m_window);
    m_outcome->setObjectName(QStringLiteral("recoveryOutcome"));
    m_outcome->setModal(false);
    m_outcome->show();
}
