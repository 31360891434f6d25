#pragma once

#include "ais/AisMessage.h"

#include <QByteArray>
#include <QCoreApplication>

#include <array>
#include <optional>

// Decodes the AIS sentences a transponder prints: its own broadcasts
// (!AIVDO) and what it receives (!AIVDM).
class AisDecoder {
    Q_DECLARE_TR_FUNCTIONS(AisDecoder)

public:
    // One received line (with or without CR/LF). Returns a message when this line completes one
    // (multi-sentence messages are reassembled by sequence id and channel); nothing for a fragment,
    // a bad checksum or a line that is not !AIVDO/!AIVDM. Never reads outside the line.
    std::optional<AisMessage> Add(const QByteArray& line);
    // The vessel type's name as users read it ("Sailing", "Pleasure craft", "Cargo", ...), translated with
    // tr.
    static QString ShipTypeName(int shipType);

private:
    // The payload gathered so far for one sequence id on one channel.
    struct Fragments {
        QByteArray payload;
        int total = 0;
        int next = 0;
    };
    // Sequence ids 0 to 9 and none, on channel A, B or another.
    static constexpr int SequenceSlots = 11;
    static constexpr int ChannelSlots = 3;
    std::array<Fragments, SequenceSlots * ChannelSlots * 2> m_fragments;
};
