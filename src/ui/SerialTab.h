#pragma once

#include "protocol/TypedLine.h"

#include <QString>
#include <QTimer>
#include <QWidget>

class MainWindow;

namespace Ui {
class SerialTab;
}

// The "Serial data" page: the lines received from the Identifier (and, when
// the "ShowTransmit" setting asks for it, the lines sent), a line to type a
// sentence into, a pause that holds the display, and the serial log button.
// While a link is open the main window connects it to the transport.
class SerialTab : public QWidget {
    Q_OBJECT

public:
    // What the paused display holds back at most; later lines are lost.
    static constexpr int PauseBufferLimit = 500000;
    // Of the replies to the program's own queries held while the display
    // runs, only the newest this many characters are kept.
    static constexpr int HeldRepliesLimit = 50000;

    explicit SerialTab(MainWindow* parent);
    ~SerialTab() override;

    // The log button shows whether the serial log runs.
    void SetLogging(bool logging);

signals:
    // A line to transmit, ending in CR LF.
    void Send(QString line);
    // The log button was pressed: true asks to stop the running log, false
    // to start one.
    void Save(bool save);

public slots:
    void OnSendEdited(QString text);
    void OnSendEditFinished();
    void OnPause();
    void OnSaveToLog();
    void OnSend();
    void OnSent(QString sent);
    void OnReceived(QString received);
    void OnOpened();
    void OnClosed();

private:
    void RefreshButtons();
    void ShowSendError();
    void Display(const QString& text);
    void ShowBatch();
    void Hold(const QString& text);
    void HoldReply(const QString& reply);
    bool IsPaused() const;

    Ui::SerialTab* ui;
    bool connected = false;
    bool showTransmit;
    TypedLine typedLine;
    QString pauseBuffer;
    // Replies to the program's own queries, held back while the display
    // runs and shown with the next resume.
    QString heldReplies;
    // Text to be shown when the batch timer runs out.
    QString batch;
    QTimer displayBatch;
};
