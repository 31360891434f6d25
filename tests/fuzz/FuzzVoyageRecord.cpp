#include "FuzzSupport.h"

#include "voyage/VoyageLogExport.h"
#include "voyage/VoyageRecord.h"

// Received lines through the voyage record decoder, and each record it takes
// through the text an exported point shows.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QDate today(2026, 6, 11);
    for (const QString& line : deviceLines(data, size)) {
        VoyageRecord record;
        if (!VoyageRecord::decode(line, record, today)) {
            continue;
        }
        require(record.date.isEmpty() || QDate::fromString(record.date, Qt::ISODate).isValid());
        require(!record.hasLatitude() || record.latitude >= -90.0);
        require(!record.hasLongitude() || record.longitude >= -180.0);
        VoyageLogExport::pointDescription(record);
    }
    return 0;
}
