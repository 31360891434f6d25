#include "ui/ProgrammingOutcome.h"

#include "history/HistoryWriter.h"
#include "ui/BasicTab.h"
#include "ui/DisconnectDialog.h"
#include "ui/MainWindow.h"

#include <QMessageBox>
#include <QPushButton>

ProgrammingOutcome::ProgrammingOutcome(MainWindow* window)
    : QObject(window)
    , m_window(window)
    , m_history(std::make_unique<HistoryWriter>())
{
    // Before the window adds to the configuration log: the log's earlier rows
    // are taken into a new history once, and this session's must not be among
    // them. A failure is told when a row is added.
    QString later;
    m_history->History().Open(&later);
    connect(this, &ProgrammingOutcome::basicVerified, window, &MainWindow::OnBasicVerified);
    // The window makes its pages after this object.
    connect(this, &ProgrammingOutcome::basicUnverified, window,
        [window] { window->GetBasicTab()->EnableDeviceActions(); });
    connect(this, &ProgrammingOutcome::sendAgain, window, &MainWindow::OnSendAllTabs);
}

// The window is closing: rows still waiting go to the side file that the
// next start takes in; only rows that cannot be kept even so are told.
ProgrammingOutcome::~ProgrammingOutcome()
{
    const int waiting = m_history->Waiting();
    QString file;
    QString error;
    if (!m_history->Finish(&file, &error)) {
        QMessageBox::critical(nullptr, tr("Programming history"),
            tr("%n row(s) of the programming history could not be kept.\n\n%1", nullptr, waiting).arg(error));
    }
}

// Its certificate says the programming was verified: no other may have one.
void ProgrammingOutcome::ShowComplete(bool modal)
{
    if (!m_last.verified) {
        return;
    }
    auto* dialog = new DisconnectDialog(m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->ShowVerified(m_last);
    m_last = ProgrammingRecord();
    if (modal) {
        dialog->exec();
    } else {
        dialog->show();
    }
}

void ProgrammingOutcome::OnWriteVerified(const Profile& sent, const QList<ProfileComparisonRow>& mismatches)
{
    ProgrammingRecord record = ProgrammingHistory::RecordOf(sent, mismatches.isEmpty(), QStringLiteral("window"));
    Store(record);
    m_last = record;
    if (mismatches.isEmpty()) {
        // Basic mode shows it once the link is closed.
        if (m_window->CurrentMode() == MainWindow::Mode::Basic) {
            emit basicVerified();
        } else {
            ShowComplete(false);
        }
    } else {
        if (m_window->CurrentMode() == MainWindow::Mode::Basic) {
            emit basicUnverified();
        }
        ShowMismatches(mismatches);
    }
}

void ProgrammingOutcome::OnWriteUnverified(const Profile& sent, const QString& failure)
{
    ProgrammingRecord record = ProgrammingHistory::RecordOf(sent, false, QStringLiteral("window"));
    record.failure = failure;
    Store(record);
}

// The history is a record for later: a history that cannot be written is told,
// never a reason to hold up the programming.
void ProgrammingOutcome::Store(ProgrammingRecord& record)
{
    QString error;
    if (!m_history->Add(record, &error)) {
        QMessageBox::warning(m_window, tr("Programming history"),
            tr("The programming history could not be updated now. The row is kept and written once it "
               "can be.\n\n%1")
                .arg(error));
    }
}

void ProgrammingOutcome::ShowMismatches(const QList<ProfileComparisonRow>& mismatches)
{
    delete m_mismatchBox;
    m_mismatchBox = MismatchBox(mismatches, m_window);
    m_mismatchBox->setAttribute(Qt::WA_DeleteOnClose);
    for (QAbstractButton* button : m_mismatchBox->buttons()) {
        if (m_mismatchBox->buttonRole(button) == QMessageBox::AcceptRole) {
            connect(button, &QAbstractButton::clicked, this, &ProgrammingOutcome::sendAgain);
        }
    }
    m_mismatchBox->open();
}

void ProgrammingOutcome::OnMmsiMayBeLost(const QString& text)
{
    auto* box = new QMessageBox(QMessageBox::Warning, tr("MMSI"), text, QMessageBox::Ok, m_window);
    box->setObjectName(QStringLiteral("mmsiMayBeLostBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

QMessageBox* ProgrammingOutcome::MismatchBox(const QList<ProfileComparisonRow>& mismatches, QWidget* parent)
{
    QStringList lines;
    for (const ProfileComparisonRow& row : mismatches) {
        lines << tr("%1: sent \"%2\", the Identifier holds \"%3\"").arg(row.setting, row.profileValue, row.deviceValue);
    }
    auto* box = new QMessageBox(QMessageBox::Warning, tr("Programming not verified"),
        tr("The Identifier does not hold every setting that was sent:\n\n%1\n\nSend the settings again?")
            .arg(lines.join(QLatin1Char('\n'))),
        QMessageBox::NoButton, parent);
    box->setObjectName(QStringLiteral("mismatchBox"));
    box->addButton(tr("Send again"), QMessageBox::AcceptRole);
    box->addButton(QMessageBox::Close);
    return box;
}
