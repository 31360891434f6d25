#pragma once

#include "ais/AisMessage.h"
#include "broadcast/BroadcastField.h"
#include "broadcast/BroadcastSettings.h"

#include <QCoreApplication>
#include <QList>

// A decoded broadcast in words, field by field, each held against what the
// device's settings say. Only the device's own broadcasts are compared:
// another vessel's say nothing about this device.
class BroadcastComparison {
    Q_DECLARE_TR_FUNCTIONS(BroadcastComparison)

public:
    static QList<BroadcastField> Compare(const AisMessage& message, const BroadcastSettings* settings);
    // "Position report, class B (18)"; the parts of message 24 apart.
    static QString TypeName(const AisMessage& message);
    // The message on one line, in words, without settings.
    static QString Line(const AisMessage& message);

private:
    BroadcastComparison(const AisMessage& message, const BroadcastSettings* settings);

    void AddIdentity();
    void AddVessel();
    void AddMotion();
    void Add(const QString& label, const QString& broadcast, bool read, const QString& configured);
    void AddShown(const QString& label, const QString& broadcast);

    static QString Position(const std::optional<double>& lat, const std::optional<double>& lon);
    static QString ShipType(int shipType);

    const AisMessage& m_message;
    const bool m_compared;
    const BroadcastSettings m_held; // empty when not compared
    QList<BroadcastField> m_fields;
};
