#pragma once

#include <QMessageBox>
#include <QObject>

#include <memory>

class BootLoaderRecovery;
class QAbstractButton;
class QProgressDialog;

// The window's side of a recovery: offers to recover an Identifier found
// waiting in its boot loader, asks for its family, shows the transfer's
// progress and how it ended.
class RecoveryPrompt : public QObject {
    Q_OBJECT

public:
    RecoveryPrompt(BootLoaderRecovery* recovery, QWidget* window);
    ~RecoveryPrompt() override;

    // The offer, not yet shown; its accepting button is "Recover...".
    static QMessageBox* OfferBox(QWidget* parent);

private:
    void Offer();
    void OnOfferAnswered(QAbstractButton* button);
    void AskFamily();
    void ShowProgress(int percent);
    void ShowOutcome(QMessageBox::Icon icon, const QString& text);

    BootLoaderRecovery* m_recovery;
    QWidget* m_window;
    std::unique_ptr<QMessageBox> m_offer;
    std::unique_ptr<QProgressDialog> m_progress;
    std::unique_ptr<QMessageBox> m_outcome;
};
