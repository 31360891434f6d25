#include "ais/AisDecoder.h"

#include "ais/AisBits.h"

#include <algorithm>

namespace {

// The fields of one sentence after "!AIVDM," or "!AIVDO,", pointing into the line.
struct Sentence {
    bool own = false;
    int total = 0;
    int number = 0;
    int sequenceSlot = 0;
    int channelSlot = 0;
    const char* payload = nullptr;
    int payloadSize = 0;
    int fill = 0;
};

int hexValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

bool isArmour(char c)
{
    return (c >= '0' && c <= 'W') || (c >= '`' && c <= 'w');
}

// A single digit from low to high, or -1.
int digitIn(const char* field, int size, int low, int high)
{
    if (size != 1 || field[0] < '0' + low || field[0] > '0' + high) {
        return -1;
    }
    return field[0] - '0';
}

int channelSlotOf(const char* field, int size)
{
    if (size == 1 && (field[0] == 'A' || field[0] == '1')) {
        return 0;
    }
    if (size == 1 && (field[0] == 'B' || field[0] == '2')) {
        return 1;
    }
    return 2;
}

// The two hexadecimal digits after '*' are the exclusive or of everything
// between '!' and '*'.
bool checksumMatches(const char* data, int size)
{
    const int high = hexValue(data[size - 2]);
    const int low = hexValue(data[size - 1]);
    int checksum = 0;
    for (int index = 1; index < size - 3; ++index) {
        checksum ^= static_cast<unsigned char>(data[index]);
    }
    return high >= 0 && low >= 0 && checksum == high * 16 + low;
}

// The six fields between the address and '*': count, number, sequence id,
// channel, payload, fill bits.
struct Fields {
    const char* at[6];
    int size[6];
};

bool splitFields(const char* data, int size, Fields& fields)
{
    int count = 0;
    int fieldStart = 7;
    for (int index = fieldStart; index <= size - 3; ++index) {
        if (index == size - 3 || data[index] == ',') {
            if (count == 6) {
                return false;
            }
            fields.at[count] = data + fieldStart;
            fields.size[count++] = index - fieldStart;
            fieldStart = index + 1;
        }
    }
    return count == 6;
}

// One !AIVDM or !AIVDO line whose checksum matches and whose fields are
// well formed, or nothing.
std::optional<Sentence> parseSentence(const QByteArray& line)
{
    int size = line.size();
    const char* data = line.constData();
    while (size > 0 && (data[size - 1] == '\r' || data[size - 1] == '\n')) {
        --size;
    }
    const bool own = line.startsWith("!AIVDO,");
    Fields fields;
    if (size < 10 || data[size - 3] != '*' || !(own || line.startsWith("!AIVDM,"))
        || !checksumMatches(data, size) || !splitFields(data, size, fields)) {
        return std::nullopt;
    }
    Sentence sentence;
    sentence.own = own;
    sentence.total = digitIn(fields.at[0], fields.size[0], 1, 9);
    sentence.number = digitIn(fields.at[1], fields.size[1], 1, sentence.total);
    const int sequence = fields.size[2] == 0 ? 10 : digitIn(fields.at[2], fields.size[2], 0, 9);
    sentence.fill = digitIn(fields.at[5], fields.size[5], 0, 5);
    if (sentence.total < 1 || sentence.number < 1 || sequence < 0 || sentence.fill < 0 || fields.size[4] == 0
        || !std::all_of(fields.at[4], fields.at[4] + fields.size[4], isArmour)) {
        return std::nullopt;
    }
    sentence.sequenceSlot = sequence;
    sentence.channelSlot = channelSlotOf(fields.at[3], fields.size[3]);
    sentence.payload = fields.at[4];
    sentence.payloadSize = fields.size[4];
    return sentence;
}

// Positions are sent in 1/10,000 minute; 181 and 91 degrees say "not available".
std::optional<double> degrees(qint32 tenThousandthMinutes, int notAvailable)
{
    if (tenThousandthMinutes == notAvailable * 600000) {
        return std::nullopt;
    }
    return tenThousandthMinutes / 600000.0;
}

void readPosition(const AisBits& bits, int start, AisMessage& message)
{
    message.lon = degrees(bits.signedAt(start, 28), 181);
    message.lat = degrees(bits.signedAt(start + 28, 27), 91);
}

// Speed in 1/10 knot, course in 1/10 degree, heading in degrees, each from start on.
void readMotion(const AisBits& bits, int speedStart, int courseStart, AisMessage& message)
{
    const quint32 speed = bits.unsignedAt(speedStart, 10);
    if (speed != 1023) {
        message.speed = speed / 10.0;
    }
    const quint32 course = bits.unsignedAt(courseStart, 12);
    if (course != 3600) {
        message.course = course / 10.0;
    }
    const quint32 heading = bits.unsignedAt(courseStart + 12, 9);
    if (heading != 511) {
        message.heading = static_cast<int>(heading);
    }
}

void readDimensions(const AisBits& bits, int start, AisMessage& message)
{
    message.toBow = static_cast<int>(bits.unsignedAt(start, 9));
    message.toStern = static_cast<int>(bits.unsignedAt(start + 9, 9));
    message.toPort = static_cast<int>(bits.unsignedAt(start + 18, 6));
    message.toStarboard = static_cast<int>(bits.unsignedAt(start + 24, 6));
}

void readClassA(const AisBits& bits, AisMessage& message)
{
    message.status = static_cast<int>(bits.unsignedAt(38, 4));
    message.turn = bits.signedAt(42, 8);
    message.accuracy = bits.flagAt(60);
    readPosition(bits, 61, message);
    readMotion(bits, 50, 116, message);
    message.second = static_cast<int>(bits.unsignedAt(137, 6));
    message.maneuver = static_cast<int>(bits.unsignedAt(143, 2));
    message.raim = bits.flagAt(148);
    message.radio = bits.unsignedAt(149, 19);
}

void readStaticAndVoyage(const AisBits& bits, AisMessage& message)
{
    message.aisVersion = static_cast<int>(bits.unsignedAt(38, 2));
    message.imo = bits.unsignedAt(40, 30);
    message.callSign = bits.textAt(70, 7);
    message.shipName = bits.textAt(112, 20);
    message.shipType = static_cast<int>(bits.unsignedAt(232, 8));
    readDimensions(bits, 240, message);
    message.epfd = static_cast<int>(bits.unsignedAt(270, 4));
    message.etaMonth = static_cast<int>(bits.unsignedAt(274, 4));
    message.etaDay = static_cast<int>(bits.unsignedAt(278, 5));
    message.etaHour = static_cast<int>(bits.unsignedAt(283, 5));
    message.etaMinute = static_cast<int>(bits.unsignedAt(288, 6));
    message.draught = bits.unsignedAt(294, 8) / 10.0;
    message.destination = bits.textAt(302, 20);
    message.dte = bits.flagAt(422);
}

// Types 18 and 19 share their first 139 bits.
void readClassBPosition(const AisBits& bits, AisMessage& message)
{
    message.accuracy = bits.flagAt(56);
    readPosition(bits, 57, message);
    readMotion(bits, 46, 112, message);
    message.second = static_cast<int>(bits.unsignedAt(133, 6));
}

void readClassB(const AisBits& bits, AisMessage& message)
{
    readClassBPosition(bits, message);
    message.regional = static_cast<int>(bits.unsignedAt(139, 2));
    message.cs = bits.flagAt(141);
    message.display = bits.flagAt(142);
    message.dsc = bits.flagAt(143);
    message.band = bits.flagAt(144);
    message.msg22 = bits.flagAt(145);
    message.assigned = bits.flagAt(146);
    message.raim = bits.flagAt(147);
    message.radio = bits.unsignedAt(148, 20);
}

void readClassBExtended(const AisBits& bits, AisMessage& message)
{
    readClassBPosition(bits, message);
    message.regional = static_cast<int>(bits.unsignedAt(139, 4));
    message.shipName = bits.textAt(143, 20);
    message.shipType = static_cast<int>(bits.unsignedAt(263, 8));
    readDimensions(bits, 271, message);
    message.epfd = static_cast<int>(bits.unsignedAt(301, 4));
    message.raim = bits.flagAt(305);
    message.dte = bits.flagAt(306);
    message.assigned = bits.flagAt(307);
}

void readAidToNavigation(const AisBits& bits, AisMessage& message)
{
    message.aidType = static_cast<int>(bits.unsignedAt(38, 5));
    message.shipName = bits.textAt(43, 20);
    message.accuracy = bits.flagAt(163);
    readPosition(bits, 164, message);
    readDimensions(bits, 219, message);
    message.epfd = static_cast<int>(bits.unsignedAt(249, 4));
    message.second = static_cast<int>(bits.unsignedAt(253, 6));
    message.offPosition = bits.flagAt(259);
    message.regional = static_cast<int>(bits.unsignedAt(260, 8));
    message.raim = bits.flagAt(268);
    message.virtualAid = bits.flagAt(269);
    message.assigned = bits.flagAt(270);
    // A name longer than 20 characters goes on after the fixed fields.
    if (message.shipName.size() == 20) {
        message.shipName += bits.textAt(272, (bits.size() - 272) / 6);
    }
}

// Auxiliary craft (MMSI 98xxxxxxx) name their mother ship instead of their size.
void readClassBStatic(const AisBits& bits, AisMessage& message)
{
    const quint32 part = bits.unsignedAt(38, 2);
    if (part == 0) {
        message.part = QLatin1Char('A');
        message.shipName = bits.textAt(40, 20);
        return;
    }
    if (part != 1) {
        return;
    }
    message.part = QLatin1Char('B');
    message.shipType = static_cast<int>(bits.unsignedAt(40, 8));
    message.vendorId = bits.textAt(48, 3);
    message.model = static_cast<int>(bits.unsignedAt(66, 4));
    message.serial = bits.unsignedAt(70, 20);
    message.callSign = bits.textAt(90, 7);
    if (message.mmsi / 10000000 == 98) {
        message.mothershipMmsi = bits.unsignedAt(132, 30);
    } else {
        readDimensions(bits, 132, message);
    }
}

// Five slots: no message is longer.
const int longestMessageBits = 1008;

// The fewest bits each decoded type needs; a shorter one is damaged.
int shortestLength(int type, int part)
{
    switch (type) {
    case 1:
    case 2:
    case 3:
    case 18:
        return 168;
    case 5:
        return 420;
    case 14:
        return 40;
    case 19:
        return 308;
    case 21:
        return 271;
    case 24:
        return part == 0 ? 160 : 162;
    default:
        return 38;
    }
}

std::optional<AisMessage> decode(const AisBits& bits, bool own)
{
    if (bits.size() > longestMessageBits) {
        return std::nullopt;
    }
    AisMessage message;
    message.type = static_cast<int>(bits.unsignedAt(0, 6));
    if (bits.size() < shortestLength(message.type, static_cast<int>(bits.unsignedAt(38, 2)))) {
        return std::nullopt;
    }
    message.repeat = static_cast<int>(bits.unsignedAt(6, 2));
    message.mmsi = bits.unsignedAt(8, 30);
    message.own = own;
    switch (message.type) {
    case 1:
    case 2:
    case 3:
        readClassA(bits, message);
        break;
    case 5:
        readStaticAndVoyage(bits, message);
        break;
    case 14:
        message.text = bits.textAt(40, (bits.size() - 40) / 6);
        break;
    case 18:
        readClassB(bits, message);
        break;
    case 19:
        readClassBExtended(bits, message);
        break;
    case 21:
        readAidToNavigation(bits, message);
        break;
    case 24:
        readClassBStatic(bits, message);
        break;
    default:
        break;
    }
    return message;
}

} // namespace

std::optional<AisMessage> AisDecoder::Add(const QByteArray& line)
{
    const std::optional<Sentence> sentence = parseSentence(line);
    if (!sentence) {
        return std::nullopt;
    }
    if (sentence->total == 1) {
        return decode(AisBits(sentence->payload, sentence->payloadSize, sentence->fill), sentence->own);
    }
    Fragments& fragments = m_fragments[(sentence->own ? SequenceSlots * ChannelSlots : 0)
        + sentence->channelSlot * SequenceSlots + sentence->sequenceSlot];
    if (sentence->number == 1) {
        fragments.total = sentence->total;
        fragments.next = 1;
        // The reserved room stays, so that reassembly allocates once per slot.
        fragments.payload.reserve(longestMessageBits / 6);
        fragments.payload.truncate(0);
    } else if (sentence->number != fragments.next || sentence->total != fragments.total) {
        // A part is missing: what was gathered cannot be completed.
        fragments.next = 0;
        return std::nullopt;
    }
    fragments.payload.append(sentence->payload, sentence->payloadSize);
    if (++fragments.next <= fragments.total) {
        return std::nullopt;
    }
    fragments.next = 0;
    return decode(
        AisBits(fragments.payload.constData(), fragments.payload.size(), sentence->fill), sentence->own);
}

QString AisDecoder::ShipTypeName(int shipType)
{
    // Types 20 to 99 come in tens, whose second digit tells the cargo's hazard.
    switch (shipType / 10) {
    case 2:
        return tr("Wing in ground");
    case 4:
        return tr("High-speed craft");
    case 6:
        return tr("Passenger");
    case 7:
        return tr("Cargo");
    case 8:
        return tr("Tanker");
    case 9:
        return tr("Other");
    default:
        break;
    }
    switch (shipType) {
    case 0:
        return tr("Not available");
    case 30:
        return tr("Fishing");
    case 31:
    case 32:
        return tr("Towing");
    case 33:
        return tr("Dredging or underwater operations");
    case 34:
        return tr("Diving operations");
    case 35:
        return tr("Military operations");
    case 36:
        return tr("Sailing");
    case 37:
        return tr("Pleasure craft");
    case 50:
        return tr("Pilot vessel");
    case 51:
        return tr("Search and rescue");
    case 52:
        return tr("Tug");
    case 53:
        return tr("Port tender");
    case 54:
        return tr("Anti-pollution");
    case 55:
        return tr("Law enforcement");
    case 56:
    case 57:
        return tr("Local vessel");
    case 58:
        return tr("Medical transport");
    case 59:
        return tr("Non-combatant ship");
    default:
        return tr("Reserved");
    }
}
