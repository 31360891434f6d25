#pragma once

#include <QJsonObject>
#include <QMap>
#include <QString>
#include <QStringList>

// Everything the device keeps in its non-volatile memory, by name. Values are
// held as the text the device answers with; every write is checked against
// the setting's rule, as the firmware would.
class DeviceSettings
{
public:
    // Which reset command restores a setting to its factory value.
    enum class Group { Vessel, Mmsi, Product, Unit };

    static constexpr const char* UnsetMmsi = "000000000";

    DeviceSettings();

    QString value(const QString& key) const { return m_values.value(key); }
    int number(const QString& key) const { return m_values.value(key).toInt(); }
    // Stores a checked value; false (and nothing stored) when the device
    // would refuse it. Texts longer than the device keeps are cut.
    bool set(const QString& key, const QString& value);
    // A write received over the line, checked as set() does. A key listed in
    // ignoredKeys keeps its old value although the write is acknowledged, as
    // when the memory fails to take it. *acknowledged (may be null): the value
    // the device reports as stored.
    bool write(const QString& key, const QString& value, const QStringList& ignoredKeys, QString* acknowledged);
    void reset(Group group);

    bool isMmsiSet() const { return value(QStringLiteral("mmsi")) != QLatin1String(UnsetMmsi); }

    QJsonObject toJson() const;
    // Applies the keys of a configuration or state file; unknown keys and
    // refused values are errors.
    bool apply(const QJsonObject& values, QString* error);

    static bool isKnown(const QString& key);
    static QString help();

private:
    // The value as the device would keep it; false when it refuses it.
    static bool checked(const QString& key, const QString& value, QString* kept);

    QMap<QString, QString> m_values;
};
