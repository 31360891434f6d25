#pragma once

#include <QList>
#include <QString>
#include <QThread>
#include <QTimer>

#include <memory>

class Job;
class JobItem;
class JobTable;
class Model;
class NmeaSentence;
class cSecurityDomainManager;

// Turns named jobs into a strictly sequential exchange of sentences with the
// Identifier: one sentence on the wire at a time, each waiting for its reply
// or its time-out. One transport exists per connection.
//
// The object lives on the thread that made it (the GUI thread): its slots,
// its timer and all serial I/O run there, in event order, so the queue needs
// no lock. Its own thread runs nothing but an empty event loop.
class Transport : public QThread {
    Q_OBJECT

public:
    explicit Transport(Model* model, QObject* parent = nullptr);
    ~Transport() override;

    bool IsBusy() const;
    // A run of the job with that flag waits in the queue (the current run
    // does not count).
    bool IsQueued(const QString& name, bool send) const;
    QString LastError() const { return m_lastError; }
    // The reply text of a shell item of a job, e.g. the version answered to
    // "appver"; empty when the item is no shell command or has no reply.
    QString Response(const QString& jobName, int item) const;

    virtual bool IsConnected() const = 0;
    virtual bool ConnectAtBaud(bool first) = 0;
    virtual QString ConnectionDescription() const = 0;
    virtual int ReadTimeout() const { return 2000; }
    virtual int PollTimeout() const { return 1000; }
    // How long each sentence of a writing run is given before the next.
    virtual int WriteInterval() const { return 200; }

signals:
    void transportConnected();
    void testConnection(int baud_type);
    void portForSwUpdateResponse(bool result);
    void ConnectErrorMsg(const QString& error);
    void Sent(const QString& sent);
    void SendError();
    void Received(const QString& received);
    void MessageToDiagnostics(const QString& input);
    void Disconnected(bool error);
    void SerialSend(const QString& send);
    void CommandError(const QString& command);
    void JobComplete(const QString& name, bool send);
    void AllJobsComplete();
    void JobTimeout(bool polling_timeout);

public slots:
    virtual bool ConnectTransport() = 0;
    virtual void on_UsePortForSwUpdate(bool close) = 0;
    virtual bool Send(const QString& send) = 0;
    virtual bool Disconnect(bool error) = 0;
    virtual void SerialClosed() = 0;
    void SerialReceived(const QString& received);
    void QueueJob(const QString& name, bool send);
    void QueueJob(Job* job, bool send);
    void OnResponseTimerTimeout();
    void onTriggerSecurityAccess();

protected:
    void run() override;
    void SetLastError(const QString& error) { m_lastError = error; }
    void StopResponseTimer() { m_responseTimer.stop(); }
    virtual void ProcessResponse(const NmeaSentence& sentence);
    virtual void OnDiagnosticLine(const QString& line);

private:
    struct Run {
        Job* job = nullptr;
        bool send = false;
    };

    JobItem* CurrentItem() const;
    bool IsCurrentJob(const QString& name) const;
    void StartNextRun(bool quiet);
    bool SendNextItem();
    void SendItem(JobItem* item);
    QString SecuritySentence(const QString& step);
    void ItemDone();
    void AbortRun(bool polling);
    void OnRefusal(const NmeaSentence& sentence, JobItem* item);
    void OnConnectionTestUnanswered();
    void OnShellSilence(JobItem* item);
    void OnSecuritySilence();
    void OnCodecSilence(JobItem* item);

    Model* m_model;
    std::unique_ptr<JobTable> m_jobs;
    std::unique_ptr<cSecurityDomainManager> m_security;
    QList<Run> m_queue;
    Run m_current;
    int m_itemIndex = -1;
    QTimer m_responseTimer;
    QString m_lastError;
};
