#pragma once

#include "protocol/CommandHistory.h"
#include "protocol/ConsoleClock.h"
#include "protocol/ConsoleLine.h"
#include "protocol/TypedLine.h"

#include <QString>
#include <QTextCharFormat>
#include <QTimer>
#include <QVector>
#include <QWidget>

class ConsoleFind;
class MainWindow;

namespace Ui {
class SerialTab;
}

// The "Serial data" page: the lines received from the Identifier (and, when
// the "ShowTransmit" setting asks for it, the lines sent), a line to type a
// sentence into, a pause that holds the display, and the serial log button.
// Lines can be stamped with their time and shown with their bytes in
// hexadecimal; the view can be searched (Ctrl+F) and saved; Up and Down walk
// the lines sent before. While a link is open the main window connects it to
// the transport.
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
    // Writes the view's text to the file, whole or not at all; false with a
    // message naming the file when it could not be written.
    bool SaveView(const QString& path, QString* error) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

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

private slots:
    void OnTimeStamps(bool on);
    void OnLineEnd(int index);
    void OnSaveView();
    void OnShowFind();

private:
    // Text for the view, and whether it is a sent line with its own colour.
    struct Run {
        QString text;
        bool sent;
    };

    QString Shown(const QString& text, const QString& prefix);
    bool WalkHistory(int key);
    bool FindByKey(int key, Qt::KeyboardModifiers modifiers);
    void ConnectFind();
    void RefreshButtons();
    void ShowSendError();
    void Display(const QString& text, bool sent);
    void ShowBatch();
    void Hold(const QString& text);
    void HoldReply(const QString& reply);
    bool IsPaused() const;

    Ui::SerialTab* ui;
    bool connected = false;
    bool showTransmit;
    TypedLine typedLine;
    CommandHistory history;
    ConsoleClock clock;
    ConsoleFind* find;
    QTextCharFormat sentFormat;
    QString pauseBuffer;
    // Replies to the program's own queries, held back while the display
    // runs and shown with the next resume.
    QString heldReplies;
    // Text to be shown when the batch timer runs out.
    QVector<Run> batch;
    QTimer displayBatch;
};
