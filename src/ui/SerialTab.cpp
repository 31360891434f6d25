#include "ui/SerialTab.h"

#include "app/VelmoraApplication.h"
#include "ui/BoundedTextView.h"
#include "ui/MainWindow.h"
#include "ui_SerialTab.h"

namespace {

const int consoleFontPixels = 12;
// Lines are shown in batches: one layout and scroll of the view per batch
// instead of per line, soon enough to look immediate.
const int displayBatchInterval = 50;
const QString sentPrefix = QStringLiteral("OUT > ");

// Replies to the program's own background queries, which would flood the
// display once a second.
bool IsBackgroundReply(const QString& line)
{
    return line.contains(QLatin1String("255,appver")) || line.contains(QLatin1String("255,getserno"))
        || line.contains(QLatin1String("PKRX,SAC"));
}

} // namespace

SerialTab::SerialTab(MainWindow* parent)
    : QWidget(parent)
    , ui(new Ui::SerialTab)
    , showTransmit(VelmoraApplication::Instance()->ShowTransmit())
{
    ui->setupUi(this);
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(consoleFontPixels);
    ui->textEditReceived->setFont(font);
    ui->lineSend->setFont(QFont(QStringLiteral("Courier New")));
    ui->labelSendError->hide();
    BoundedTextView::Prepare(ui->textEditReceived);
    displayBatch.setSingleShot(true);
    displayBatch.setInterval(displayBatchInterval);
    connect(&displayBatch, &QTimer::timeout, this, &SerialTab::ShowBatch);
    connect(ui->lineSend, &QLineEdit::textEdited, this, &SerialTab::OnSendEdited);
    connect(ui->lineSend, &QLineEdit::editingFinished, this, &SerialTab::OnSendEditFinished);
    connect(ui->toolButtonPause, &QToolButton::clicked, this, &SerialTab::OnPause);
    connect(ui->toolButtonSaveToLog, &QToolButton::clicked, this, &SerialTab::OnSaveToLog);
    connect(ui->toolButtonSend, &QToolButton::clicked, this, &SerialTab::OnSend);
}

// Hiding the widgets as the page goes takes the focus from the line edit,
// which would then try to send through the form being deleted.
SerialTab::~SerialTab()
{
    disconnect(ui->lineSend, nullptr, this, nullptr);
    delete ui;
}

void SerialTab::SetLogging(bool logging)
{
    ui->toolButtonSaveToLog->setText(logging ? tr("Stop Log") : tr("Log To File"));
    ui->toolButtonSaveToLog->setChecked(logging);
}

void SerialTab::RefreshButtons()
{
    ui->toolButtonSend->setEnabled(connected && !ui->lineSend->text().isEmpty());
    ui->lineSend->setEnabled(connected);
    ui->toolButtonPause->setEnabled(connected);
    ui->toolButtonSaveToLog->setEnabled(connected);
}

void SerialTab::OnSendEdited(QString)
{
    ui->labelSendError->hide();
    RefreshButtons();
}

void SerialTab::OnSendEditFinished()
{
    OnSend();
}

// Without a link the line would go nowhere: it stays in the line edit. This
// also covers the focus leaving the line edit as it is disabled at the end
// of a link.
void SerialTab::OnSend()
{
    QString text = ui->lineSend->text();
    if (text.isEmpty() || !connected) {
        RefreshButtons();
        return;
    }
    QString line;
    if (!typedLine.complete(text, line)) {
        ShowSendError();
        return;
    }
    emit Send(line);
    ui->lineSend->clear();
    RefreshButtons();
}

void SerialTab::ShowSendError()
{
    ui->labelSendError->setText(tr("The NMEA Sentence is invalid. It has not been sent."));
    ui->labelSendError->show();
    ui->lineSend->setFocus();
    RefreshButtons();
}

void SerialTab::OnReceived(QString received)
{
    if (IsPaused())
        Hold(received);
    else if (IsBackgroundReply(received))
        HoldReply(received);
    else
        Display(received);
}

void SerialTab::OnSent(QString sent)
{
    if (!showTransmit)
        return;
    if (IsPaused())
        Hold(sent);
    else
        Display(sentPrefix + sent);
}

void SerialTab::OnPause()
{
    if (IsPaused() || (heldReplies.isEmpty() && pauseBuffer.isEmpty()))
        return;
    Display(heldReplies + pauseBuffer);
    heldReplies.clear();
    pauseBuffer.clear();
}

// The button shows whether a log runs, and only the main window knows: it
// sets the button when a log starts, fails or stops. A click alone, such as
// one whose file dialog is then cancelled, changes nothing.
void SerialTab::OnSaveToLog()
{
    const bool logging = !ui->toolButtonSaveToLog->isChecked();
    ui->toolButtonSaveToLog->setChecked(logging);
    emit Save(logging);
}

void SerialTab::OnOpened()
{
    connected = true;
    RefreshButtons();
}

void SerialTab::OnClosed()
{
    connected = false;
    RefreshButtons();
}

bool SerialTab::IsPaused() const
{
    return ui->toolButtonPause->isChecked();
}

void SerialTab::Display(const QString& text)
{
    batch += text;
    if (!displayBatch.isActive())
        displayBatch.start();
}

void SerialTab::ShowBatch()
{
    BoundedTextView::Append(ui->textEditReceived, batch);
    batch.clear();
}

void SerialTab::Hold(const QString& text)
{
    if (pauseBuffer.size() < PauseBufferLimit)
        pauseBuffer += text;
}

// The device is polled once a second for as long as the link is open: kept
// with the paused lines, its replies would fill the pause's room within
// hours and every later pause would lose all it should hold. The oldest
// replies go first, whole lines at a time.
void SerialTab::HoldReply(const QString& reply)
{
    heldReplies += reply;
    const int excess = heldReplies.size() - HeldRepliesLimit;
    if (excess <= 0)
        return;
    const int lineEnd = heldReplies.indexOf(QLatin1Char('\n'), excess - 1);
    heldReplies.remove(0, lineEnd < 0 ? excess : lineEnd + 1);
}
