#pragma once

#include "voyage/VoyageRecord.h"

#include <QObject>
#include <QVector>

class QTimer;

// Gathers the records of one voyage log transfer from the received lines. The
// device gives no sign of the end of its log, so the transfer is taken as
// ended once no record has come for TransferEndMs. The records stay until the
// first record of the next transfer, or Clear().
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
    // Forgets the records; the records that come next are added to them.
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

    QVector<VoyageRecord> m_records;
    QTimer* m_endTimer;
    bool m_clearOnNextRecord = true;
};
