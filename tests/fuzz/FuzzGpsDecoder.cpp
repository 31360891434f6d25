#include "FuzzSupport.h"

#include "gnss/GPSDecoder.h"
#include "gnss/GeoPosition.h"

#include <QCoreApplication>

#include <memory>

namespace {

// Null stands for "no fix" after a time-out.
void readPosition(GpsData* data)
{
    if (!data) {
        return;
    }
    data->time();
    data->date();
    data->position();
    data->speedOverGround();
    data->courseOverGround();
}

void readSatellites(SatelliteData* data)
{
    if (!data) {
        return;
    }
    require(data->usedCount() <= SatelliteData::SlotCount);
    require(data->trackedCount() <= SatelliteData::SlotCount);
    SatelliteRecord record;
    for (int index = 0; index <= SatelliteData::SlotCount; ++index) {
        data->satelliteAt(index, record);
    }
}

// A bare line end stands for one of the decoder's time-outs, or for a new
// connection, so that they fall between sentences anywhere in a cycle.
void interrupt(GPSDecoder& decoder, int which)
{
    switch (which % 5) {
    case 0:
        decoder.OnRMCTimeout();
        break;
    case 1:
        decoder.OnGSATimeout();
        break;
    case 2:
        decoder.OnGSVTimeout();
        break;
    case 3:
        decoder.onWaitForRmc();
        break;
    default:
        decoder.reset();
        break;
    }
}

} // namespace

// The decoder's timers need an application object; no event loop runs, so
// they never fire on their own.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    quietQt();
    static QCoreApplication application(*argc, *argv);
    return 0;
}

// A stream of received lines through the decoder; every published record is
// read at once, as the status page does.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    GPSDecoder decoder;
    QObject::connect(&decoder, &GPSDecoder::GpsDataReceived, &readPosition);
    QObject::connect(&decoder, &GPSDecoder::SatelliteDataReceived, &readSatellites);
    int interruptions = 0;
    for (const QString& line : deviceLines(data, size)) {
        if (line == QLatin1String("\n")) {
            interrupt(decoder, interruptions++);
        } else {
            decoder.OnReceived(line);
        }
    }
    return 0;
}
