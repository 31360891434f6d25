#include "ui/SerialTab.h"

#include "app/CompleteFile.h"
#include "app/VelmoraApplication.h"
#include "link/SerialController.h"
#include "ui/BoundedTextView.h"
#include "ui/ConsoleFind.h"
#include "ui/FileQuestion.h"
#include "ui/MainWindow.h"
#include "ui_SerialTab.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QShortcut>

namespace {

const int consoleFontPixels = 12;
// Lines are shown in batches: one layout and scroll of the view per batch
// instead of per line, soon enough to look immediate.
const int displayBatchInterval = 50;
const QString sentPrefix = QStringLiteral("OUT > ");
const QColor sentColour(0x1B, 0x5E, 0xA8);
// In the order of the page's line end choice.
const QString rawLineEnds[] = { QStringLiteral("\r\n"), QStringLiteral("\n"), QStringLiteral("\r") };

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
    , history(VelmoraApplication::Instance()->ConsoleHistory())
{
    ui->setupUi(this);
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(consoleFontPixels);
    ui->textEditReceived->setFont(font);
    ui->lineSend->setFont(QFont(QStringLiteral("Courier New")));
    ui->labelSendError->hide();
    ui->widgetFind->hide();
    BoundedTextView::Prepare(ui->textEditReceived);
    sentFormat.setForeground(sentColour);
    displayBatch.setSingleShot(true);
    displayBatch.setInterval(displayBatchInterval);
    connect(&displayBatch, &QTimer::timeout, this, &SerialTab::ShowBatch);
    connect(ui->lineSend, &QLineEdit::textEdited, this, &SerialTab::OnSendEdited);
    // Return only: the focus moving on (to "Hex view", say) must not send a
    // half-typed command to the device.
    connect(ui->lineSend, &QLineEdit::returnPressed, this, &SerialTab::OnSendEditFinished);
    connect(ui->toolButtonPause, &QToolButton::clicked, this, &SerialTab::OnPause);
    connect(ui->toolButtonSaveToLog, &QToolButton::clicked, this, &SerialTab::OnSaveToLog);
    connect(ui->toolButtonSend, &QToolButton::clicked, this, &SerialTab::OnSend);
    connect(ui->checkBoxTimeStamps, &QCheckBox::toggled, this, &SerialTab::OnTimeStamps);
    connect(ui->comboBoxLineEnd, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &SerialTab::OnLineEnd);
    connect(ui->toolButtonSaveView, &QToolButton::clicked, this, &SerialTab::OnSaveView);
    ui->lineSend->installEventFilter(this);
    ConnectFind();
}

void SerialTab::ConnectFind()
{
    find = new ConsoleFind(ui->textEditReceived, ui->labelFindCount, this);
    auto* shortcut = new QShortcut(QKeySequence::Find, this);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this, &SerialTab::OnShowFind);
    connect(ui->lineFind, &QLineEdit::textEdited, this,
        [this](const QString& text) { find->Find(text, ConsoleFind::Direction::Here); });
    connect(ui->toolButtonFindNext, &QToolButton::clicked, this,
        [this] { find->Find(ui->lineFind->text(), ConsoleFind::Direction::Next); });
    connect(ui->toolButtonFindPrevious, &QToolButton::clicked, this,
        [this] { find->Find(ui->lineFind->text(), ConsoleFind::Direction::Previous); });
    connect(ui->toolButtonFindClose, &QToolButton::clicked, ui->widgetFind, &QWidget::hide);
    ui->lineFind->installEventFilter(this);
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

// Without a link the line would go nowhere: it stays in the line edit.
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
    history.Add(text);
    VelmoraApplication::Instance()->SetConsoleHistory(history.Lines());
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

// Lines are stamped as they come, not when they are shown.
void SerialTab::OnReceived(QString received)
{
    const QString shown = Shown(received, QString());
    if (IsPaused())
        Hold(shown);
    else if (IsBackgroundReply(received))
        HoldReply(shown);
    else
        Display(shown, false);
}

void SerialTab::OnSent(QString sent)
{
    if (!showTransmit)
        return;
    if (IsPaused())
        Hold(Shown(sent, QString()));
    else
        Display(Shown(sent, sentPrefix), true);
}

QString SerialTab::Shown(const QString& text, const QString& prefix)
{
    ConsoleLine::Options options;
    options.timeStamps = ui->checkBoxTimeStamps->isChecked();
    options.hex = ui->checkBoxHex->isChecked();
    return ConsoleLine::Format(text, prefix, options.timeStamps ? clock.Now() : QTime(), options);
}

void SerialTab::OnPause()
{
    if (IsPaused() || (heldReplies.isEmpty() && pauseBuffer.isEmpty()))
        return;
    Display(heldReplies + pauseBuffer, false);
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

void SerialTab::Display(const QString& text, bool sent)
{
    if (batch.isEmpty() || batch.last().sent != sent)
        batch.append({ text, sent });
    else
        batch.last().text += text;
    if (!displayBatch.isActive())
        displayBatch.start();
}

void SerialTab::ShowBatch()
{
    for (const Run& run : qAsConst(batch))
        BoundedTextView::Append(ui->textEditReceived, run.text, run.sent ? sentFormat : QTextCharFormat());
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

// The serial data log is kept by the serial controller, which stamps its
// lines itself.
void SerialTab::OnTimeStamps(bool on)
{
    VelmoraApplication::Instance()->GetSerialController()->SetLogTimeStamps(on);
}

void SerialTab::OnLineEnd(int index)
{
    if (index >= 0)
        typedLine.setRawLineEnd(rawLineEnds[index]);
}

bool SerialTab::SaveView(const QString& path, QString* error) const
{
    return CompleteFile::Write(path, ui->textEditReceived->toPlainText().toUtf8(), error);
}

void SerialTab::OnSaveView()
{
    const QString path = FileQuestion::Save(this, FileQuestion::Kind::ConsoleView, tr("Save view"), QString(),
        tr("Text files (*.txt);;All files (*)"));
    QString error;
    if (!path.isEmpty() && !SaveView(path, &error))
        QMessageBox::critical(this, tr("Save view"), error);
}

void SerialTab::OnShowFind()
{
    ui->widgetFind->show();
    ui->lineFind->setFocus();
    ui->lineFind->selectAll();
}

bool SerialTab::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (watched == ui->lineSend && WalkHistory(key->key()))
            return true;
        if (watched == ui->lineFind && FindByKey(key->key(), key->modifiers()))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool SerialTab::WalkHistory(int key)
{
    if (key != Qt::Key_Up && key != Qt::Key_Down)
        return false;
    const QString shown = ui->lineSend->text();
    ui->lineSend->setText(key == Qt::Key_Up ? history.Older(shown) : history.Newer(shown));
    OnSendEdited(ui->lineSend->text());
    return true;
}

// Return finds the next match, Shift+Return the previous; Escape closes the
// bar and leaves the found text marked in the view.
bool SerialTab::FindByKey(int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_Escape) {
        ui->widgetFind->hide();
        ui->textEditReceived->setFocus();
        return true;
    }
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    const bool backward = modifiers & Qt::ShiftModifier;
    find->Find(ui->lineFind->text(), backward ? ConsoleFind::Direction::Previous : ConsoleFind::Direction::Next);
    return true;
}
