#pragma once

#include "app/BaudType.h"
#include "link/LineAssembler.h"
#include "link/PortEnumerator.h"

#include <QObject>
#include <QPair>
#include <QSerialPort>
#include <QString>
#include <QStringList>

class QFile;
class QTimer;

// The one link to the Identifier: a serial port, or a saved text file played
// back as if the device had sent it. Incoming bytes become text lines; the
// optional serial data log keeps what was received.
class SerialController : public QObject {
    Q_OBJECT

public:
    explicit SerialController(QObject* parent = nullptr);
    ~SerialController() override;

    bool OpenPort(const QString& portName, BaudType baud);
    bool OpenFile(const QString& fileName);
    bool Close();
    bool IsOpen() const;
    bool IsReplaying() const;
    QString ErrorString() const;

    bool StartLog(const QString& fileName);
    bool StopLog();
    QString LogErrorString() const;
    // Whether each received line in the serial data log starts with the time
    // it arrived; off until set.
    void SetLogTimeStamps(bool on) { m_logTimeStamps = on; }

    // Port look-ups over one program-wide list of port records.
    static QList<PortRecord> PortRecords();
    // Those of the names that are a path that exists (the simulator's link)
    // or a port the platform lists by that name (COM3 has no file).
    static QStringList ExistingPorts(const QStringList& portNames);
    // Negative ids stand for the Identifier's own.
    static bool IsDevicePort(const PortRecord& record, int vendorId, int productId);
    static QString FindDevicePort(int vendorId, int productId);
    static QList<QPair<QString, QString>> ListPorts();
    static QString PortDescription(const QString& portName);
    static bool IsPortBusy(const QString& portName);
    static bool IsDeviceDescription(const QString& friendlyName);
    // Replaces where the port list comes from; null restores the platform's
    // list. The enumerator is not owned and must outlive its use.
    static void SetPortEnumerator(const PortEnumerator* enumerator);

    static const int DefaultVendorId;
    static const int DefaultProductId;
    static const int MaxPieceLength;
    static const int MaxPiecesPerRead;
    static const int ReplayInterval;

signals:
    void Opened();
    void SaveError();
    void WriteFailed(const QString& error);
    void Sent(const QString& sent);
    void Received(const QString& received);
    void Closed();
    // The port went away from below (device unplugged); it is closed.
    void Lost(const QString& error);

public slots:
    void OnSend(const QString& text);
    void OnSend(const QByteArray& data);
    void OnReceived();

private slots:
    void OnPortError(QSerialPort::SerialPortError error);

private:
    void ClosePort(bool drain);
    void CloseReplay();
    void ReadPort();
    void ReadReplay();
    void ProcessPiece(const QString& piece);
    void DeliverLine(const QString& line);
    void WriteLogText(const QString& text);
    void WriteLogBanner(const char* words);
    void WriteToPort(const QByteArray& bytes);

    QSerialPort* m_port = nullptr;
    QFile* m_replayFile = nullptr;
    QFile* m_logFile = nullptr;
    QTimer* m_replayTimer = nullptr;
    LineAssembler m_assembler;
    QString m_errorString;
    QString m_logError;
    bool m_readScheduled = false;
    bool m_logTimeStamps = false;
};
