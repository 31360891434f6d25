#pragma once

#include "history/ProgrammingHistory.h"

#include <QList>
#include <QObject>
#include <QTimer>

// Adds rows to the programming history without losing one to a database that
// another program holds locked past the busy time-out, or that cannot be
// written for a while: such a row waits and is tried again, with growing
// pauses, while the program runs. Rows still waiting when Finish() is called
// go to a side file (PendingRows) that the next Open() takes in.
class HistoryWriter : public QObject {
    Q_OBJECT

public:
    explicit HistoryWriter(
        const QString& path = ProgrammingHistory::DefaultPath(), QObject* parent = nullptr);
    ~HistoryWriter() override;

    ProgrammingHistory& History() { return m_history; }
    // True when the row is stored; else false with the reason, and the row
    // waits (stored later, its id then unknown here).
    bool Add(ProgrammingRecord& record, QString* error);
    int Waiting() const { return m_waiting.size(); }
    // The rows still waiting go to a side file, named in file (empty when
    // none waited). False with the reason when they could not be kept.
    bool Finish(QString* file, QString* error);

signals:
    // Rows that waited are in the history now.
    void caughtUp();

private:
    void WriteWaiting();

    QString m_path;
    ProgrammingHistory m_history;
    QList<ProgrammingRecord> m_waiting;
    QString m_failure; // why the first waiting row was not stored
    qint64 m_lastId = 0;
    QTimer m_retry;
    int m_pauseMs;
};
