#pragma once

#include "voyage/VoyageRecord.h"

#include <QObject>
#include <QVector>

class QTimer;

// Gathers the records of one voyage log transfer from the received lines. The
// device answers the request with the number of records it holds but gives no
// sign of the end of its log, so the transfer is taken as ended once no record
// has come for TransferEndMs; Complete() tells whether every announced record
// came. The records stay until the next transfer's answer or first record, or
// Clear().
class VoyageLogCollector : public QObject {
    Q_OBJECT

public:
    static constexpr int TransferEndMs = 2000;

    explicit VoyageLogCollector(QObject* parent = nullptr);

    // The device has answered the request: the transfer runs; ends
    // TransferEndMs after the last record (or after this call when no record
    // comes).
    void Start();
    const QVector<VoyageRecord>& Records() const;
    // The number of records the device said it holds; -1 before it has said.
    int Announced() const { return m_announced; }
    // Every record the device announced has come.
    bool Complete() const;
    // Forgets the records and the announcement; the records that come next
    // are added to them.
    void Clear();

public slots:
    // Decodes VDR sentences, ignores the rest.
    void OnReceived(const QString& line);

signals:
    void recordAdded(const VoyageRecord& record);
    // The transfer has ended; Records() holds it.
    void finished();

private:
    void Finish();
    bool TakeAnnouncement(const QString& line);

    QVector<VoyageRecord> m_records;
    QTimer* m_endTimer;
    int m_announced = -1;
    bool m_clearOnNextRecord = true;
};
