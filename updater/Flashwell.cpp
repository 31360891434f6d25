#include "Flashwell.h"

#include "cAutoconfigRunner.h"
#include "cBootLoaderEntry.h"
#include "cBusyFilter.h"
#include "cSerialLink.h"
#include "cXmodem1KSend.h"
#include "ui_Flashwell.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMessageBox>
#include <QTimer>

// What one wizard page says; the texts are translated when shown, and an
// empty button means the page offers none. The instruction is one sentence,
// so that a translation can order it; %1 and %2 stand for the buttons.
struct WizardScreen {
    const char* title;
    const char* line1;
    const char* line2;
    bool boldLine2;
    const char* button1;
    const char* button2;
    const char* instruction;
};

namespace {

constexpr int FailedResult = 10;

const char* const UpdatingTitle = QT_TRANSLATE_NOOP("Flashwell", "Updating AIS Identifier");
const char* const IncompleteTitle = QT_TRANSLATE_NOOP("Flashwell", "Update incomplete");
const char* const NotUpdated
    = QT_TRANSLATE_NOOP("Flashwell", "It has not been possible to update this AIS Identifier.");
const char* const RetryOrContact = QT_TRANSLATE_NOOP("Flashwell",
    "You may retry, or contact your supplier for support. The parent application will repeat this update "
    "attempt "
    "and will not continue unless it is successful.");
const char* const ContactSupplier = QT_TRANSLATE_NOOP("Flashwell",
    "Contact your supplier for support. The parent application will repeat this update attempt and will not "
    "continue unless it is successful.");
const char* const Cancel = QT_TRANSLATE_NOOP("Flashwell", "Cancel");
const char* const Close = QT_TRANSLATE_NOOP("Flashwell", "Close");
const char* const Retry = QT_TRANSLATE_NOOP("Flashwell", "Retry");
const char* const AbortOrTryAgain = QT_TRANSLATE_NOOP("Flashwell", "Click  %1 to abort or %2 to try again.");
const char* const ExitOrRetryUpdate
    = QT_TRANSLATE_NOOP("Flashwell", "Click  %1 to exit.  %2 to retry the update.");

const WizardScreen ConnectingScreen = { QT_TRANSLATE_NOOP("Flashwell", "Connecting to the Identifier."),
    QT_TRANSLATE_NOOP("Flashwell", "Connection in progress..."),
    QT_TRANSLATE_NOOP("Flashwell",
        "IMPORTANT: Do not terminate Flashwell, disconnect or remove the AIS Identifier from the dock while "
        "connection is in progress."),
    true, "", "", "" };
const WizardScreen UpdatingScreen = { UpdatingTitle, QT_TRANSLATE_NOOP("Flashwell", "Update in progress..."),
    QT_TRANSLATE_NOOP("Flashwell",
        "IMPORTANT: Do not terminate Flashwell, disconnect or remove the AIS Identifier from the dock during "
        "the "
        "update."),
    true, "", "", "" };
const WizardScreen RestartingScreen
    = { UpdatingTitle, QT_TRANSLATE_NOOP("Flashwell", "Restarting connection..."), "", false, "", "", "" };
const WizardScreen ConnectFailedScreen = { QT_TRANSLATE_NOOP("Flashwell", "Failed to connect for update"),
    NotUpdated, RetryOrContact, false, Cancel, Retry, AbortOrTryAgain };
const WizardScreen NotInitiatedScreen = { QT_TRANSLATE_NOOP("Flashwell", "Update not initiated"), NotUpdated,
    RetryOrContact, false, Cancel, Retry, AbortOrTryAgain };
const WizardScreen PortErrorScreen
    = { IncompleteTitle, QT_TRANSLATE_NOOP("Flashwell", "Unable to access update port."), ContactSupplier,
          false, Close, Retry, ExitOrRetryUpdate };
const WizardScreen FileErrorScreen
    = { IncompleteTitle, QT_TRANSLATE_NOOP("Flashwell", "Unable to access update file. "), ContactSupplier,
          false, Close, Retry, ExitOrRetryUpdate };
const WizardScreen TimeoutScreen = { QT_TRANSLATE_NOOP("Flashwell", "Update failed"),
    QT_TRANSLATE_NOOP("Flashwell", "Data transfer timeout."),
    // Part of the image is in: the device has no application to go back to.
    QT_TRANSLATE_NOOP(
        "Flashwell", "The Identifier is waiting in its boot loader; connect it again to recover it."),
    false, Close, Retry, ExitOrRetryUpdate };
const WizardScreen CompleteScreen = { QT_TRANSLATE_NOOP("Flashwell", "Update complete"),
    QT_TRANSLATE_NOOP("Flashwell", "The update has completed successfully."), "", false, Close, "",
    QT_TRANSLATE_NOOP("Flashwell", "Click  %1 to exit.  ") };

QString paragraph(const QString& text, int points, const char* align = "left")
{
    return QStringLiteral("<p align=\"%1\" style=\"margin:0; font-size:%2pt;\">%3</p>")
        .arg(QLatin1String(align))
        .arg(points)
        .arg(text);
}

QString emptyLine()
{
    return paragraph(QStringLiteral("&nbsp;"), 6);
}

QString bold(const QString& text)
{
    return QStringLiteral("<b>%1</b>").arg(text);
}

} // namespace

Flashwell::Flashwell(const cUpdateRequest& request, const cUpdateTiming& timing, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , ui(std::make_unique<Ui::UpdateWizard>())
    , m_imagePath(request.imagePath)
    , m_portName(request.portName)
    , m_baudCode(request.baudCode)
    , m_timing(timing)
    , m_linkFactory(cSerialLink::factory(m_portName))
    , m_autoconfigPath(
          QCoreApplication::applicationDirPath() + QDir::separator() + QStringLiteral("autoconfig"))
    , m_busyFilter(new cBusyFilter(this))
    , m_entry(std::make_unique<cBootLoaderEntry>(m_linkFactory, BaudTypes::rate(m_baudCode), m_timing))
{
    Q_INIT_RESOURCE(Flashwell);
    Q_INIT_RESOURCE(FlashwellSide);
    ui->setupUi(this);
    setWindowTitle(windowTitle() + tr(" from ") + QStringLiteral("velmora"));
    // The wizard starts by itself; a button appears only where the user has
    // a choice.
    ui->NextStepButton->hide();
    ui->RetryButton->hide();
    ui->ProgressBar->hide();
    ui->CopyLogButton->hide();
    connect(m_entry.get(), &QThread::finished, this, &Flashwell::onAttemptFinished);
    m_stateTimer.setSingleShot(true);
    connect(&m_stateTimer, &QTimer::timeout, this, &Flashwell::stateChangeTimer);
    WriteLog(QStringLiteral("Process Starting"));
    stepWizard();
}

Flashwell::~Flashwell()
{
    setBusy(false);
}

void Flashwell::about()
{
    QMessageBox::about(this, tr("About Flashwell"),
        tr("Version ") + QStringLiteral("velmora") + QStringLiteral("\n\n")
            + tr("This program uses Qt version %1, available under the GNU Lesser General Public License "
                 "version 3.\n"
                 "It also uses the Qwt project (https://qwt.sourceforge.io).")
                  .arg(QLatin1String(qVersion())));
}

void Flashwell::stepWizard()
{
    ui->CopyLogButton->hide();
    switch (m_state) {
    case Start:
        WriteLog(QStringLiteral("Start"));
        ui->ProgressBar->hide();
        m_state = Configure;
        StartBusyProgress();
        scheduleState(Connecting, m_timing.configure);
        break;
    case Configure:
        StartBusyProgress();
        scheduleState(Connecting, m_timing.configure);
        break;
    case Connecting:
        startAttempt();
        break;
    case Updating:
        pollTransfer();
        break;
    case Finished:
        WriteLog(QStringLiteral("Complete"));
        done(0);
        break;
    case Failed:
        WriteLog(QStringLiteral("Firmware update failed"));
        done(FailedResult);
        break;
    }
}

void Flashwell::retry()
{
    WriteLog(QStringLiteral("User retry/repeat"));
    m_state = m_retryState;
    ui->RetryButton->hide();
    stepWizard();
}

void Flashwell::stateChangeTimer()
{
    m_state = m_nextState;
    stepWizard();
}

void Flashwell::copylog()
{
    QApplication::clipboard()->setText(m_log.text());
}

void Flashwell::reject()
{
    if (!m_busy) {
        QDialog::reject();
    } else if (m_state == Configure || m_state == Connecting) {
        stopConnecting();
    }
}

void Flashwell::stopConnecting()
{
    m_closing = true;
    // Between attempts the timer holds the next step; during an attempt it
    // is idle and the attempt's end finishes the close.
    if (m_stateTimer.isActive()) {
        m_stateTimer.stop();
        closeWhileConnecting();
    } else {
        m_entry->requestStop();
    }
}

void Flashwell::closeWhileConnecting()
{
    WriteLog(QStringLiteral("Connecting - closed"));
    setBusy(false);
    QDialog::reject();
}

void Flashwell::WriteLog(const QString& message)
{
    m_log.write(message);
}

void Flashwell::ShowInfo(const QString& title, const QString& line1, const QString& line2,
    const QString& button1, const QString& button2, const QString& instructionFormat)
{
    QString html = QStringLiteral("<html><body style=\"font-family:'MS Shell Dlg 2'; font-size:8.25pt; "
                                  "white-space:pre-wrap;\">")
        + paragraph(title, 16, "center") + emptyLine() + paragraph(line1, 10) + emptyLine()
        + paragraph(line2, 10);
    const bool offersButton = !button1.isEmpty();
    if (offersButton) {
        QString instruction = instructionFormat.arg(bold(button1));
        if (!button2.isEmpty()) {
            instruction = instruction.arg(button2);
        }
        html += paragraph(QString(34, QLatin1Char('_')), 10, "center") + emptyLine()
            + paragraph(instruction, 10, "center");
    }
    ui->InfoText->setHtml(html + QStringLiteral("</body></html>"));
    ui->NextStepButton->setText(button1);
    ui->NextStepButton->setVisible(offersButton);
    ui->RetryButton->setText(button2);
    ui->RetryButton->setVisible(offersButton && !button2.isEmpty());
    setBusy(!offersButton);
}

void Flashwell::showScreen(const WizardScreen& screen)
{
    const QString line2 = tr(screen.line2).toHtmlEscaped();
    ShowInfo(tr(screen.title).toHtmlEscaped(), tr(screen.line1).toHtmlEscaped(),
        screen.boldLine2 ? bold(line2) : line2, tr(screen.button1), tr(screen.button2),
        tr(screen.instruction));
}

void Flashwell::StartBusyProgress()
{
    ui->ProgressBar->setRange(0, 0);
    ui->ProgressBar->setValue(0);
    ui->ProgressBar->show();
}

void Flashwell::setBusy(bool on)
{
    if (on == m_busy) {
        return;
    }
    m_busy = on;
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        installEventFilter(m_busyFilter);
        return;
    }
    while (QApplication::overrideCursor()) {
        QApplication::restoreOverrideCursor();
    }
    removeEventFilter(m_busyFilter);
}

void Flashwell::setWindowButtons(Qt::WindowFlags buttons)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | buttons);
    show();
}

void Flashwell::scheduleState(State next, int ms)
{
    m_nextState = next;
    m_stateTimer.start(ms);
}

void Flashwell::startAttempt()
{
    StartBusyProgress();
    WriteLog(QStringLiteral("Connecting"));
    showScreen(ConnectingScreen);
    m_entry->wait();
    m_entry->start();
}

void Flashwell::onAttemptFinished()
{
    if (m_closing) {
        closeWhileConnecting();
    } else if (m_entry->connected()) {
        onConnected();
    } else {
        onNotConnected();
    }
}

void Flashwell::onConnected()
{
    WriteLog(QStringLiteral("Connecting - connected"));
    // From here on closing is refused.
    m_state = Updating;
    setWindowButtons({});
    showScreen(UpdatingScreen);
    if (!m_sender) {
        m_sender = std::make_unique<cXmodem1KSend>(m_imagePath, m_linkFactory);
    }
    m_sender->startTransfer(m_attempts.ackTimeout() * m_timing.ackPercent / 100);
    WriteLog(QStringLiteral("Updating"));
    scheduleState(Updating, m_timing.poll);
}

void Flashwell::onNotConnected()
{
    if (m_attempts.another()) {
        WriteLog(QStringLiteral("Connecting - retry"));
        scheduleState(Connecting, m_timing.restart);
        return;
    }
    WriteLog(QStringLiteral("Connecting - failed"));
    offerRetry(ConnectFailedScreen, Finished, Connecting);
    ui->CopyLogButton->hide();
}

void Flashwell::pollTransfer()
{
    // The result first: once it is final, so is the progress.
    const int result = m_sender->result();
    const int progress = m_sender->progress();
    ui->ProgressBar->setRange(0, 100);
    ui->ProgressBar->setValue(progress);
    if (result == cXmodem1KSend::Running) {
        scheduleState(Updating, m_timing.poll);
    } else if (result == cXmodem1KSend::Cancelled && progress == 0) {
        onTransferNotStarted();
    } else {
        onTransferEnded(result);
    }
}

void Flashwell::onTransferNotStarted()
{
    if (m_attempts.anotherTransfer()) {
        WriteLog(QStringLiteral("Updating - retry"));
        showScreen(RestartingScreen);
        scheduleState(Connecting, m_timing.restart);
        return;
    }
    WriteLog(QStringLiteral("Updating - failed; update not started"));
    offerRetry(NotInitiatedScreen, Finished, Connecting);
}

void Flashwell::onTransferEnded(int result)
{
    setWindowButtons(Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    switch (result) {
    case cXmodem1KSend::PortError:
        WriteLog(QStringLiteral("Updating - xmodem port error"));
        offerRetry(PortErrorScreen, Finished, Start);
        break;
    case cXmodem1KSend::FileError:
        WriteLog(QStringLiteral("Updating - xmodem file error"));
        offerRetry(FileErrorScreen, Finished, Start);
        break;
    case cXmodem1KSend::Cancelled:
        WriteLog(QStringLiteral("Updating - timeout"));
        offerRetry(TimeoutScreen, Failed, Connecting);
        break;
    default:
        // The device has left its boot loader and talks at its normal rate again.
        m_autoconfig = std::make_unique<cAutoconfigRunner>(
            m_autoconfigPath, m_linkFactory, BaudTypes::rate(m_baudCode), m_timing);
        connect(m_autoconfig.get(), &QThread::finished, this, &Flashwell::onAutoconfigFinished);
        m_autoconfig->start();
        break;
    }
}

void Flashwell::onAutoconfigFinished()
{
    WriteLog(QStringLiteral("Updating - complete"));
    showScreen(CompleteScreen);
    m_state = Finished;
}

void Flashwell::offerRetry(const WizardScreen& screen, State finalState, State retryFrom)
{
    showScreen(screen);
    ui->ProgressBar->hide();
    ui->CopyLogButton->show();
    m_attempts.startOver();
    m_state = finalState;
    m_retryState = retryFrom;
}
