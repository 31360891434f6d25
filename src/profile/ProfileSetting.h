#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <vector>

class Profile;

// One setting a profile can hold: where it sits in the file, its readable
// name, which device generations have it, how to read, write, check and show
// it. The table of all of them drives the file, the comparison and applying.
class ProfileSetting {
    Q_DECLARE_TR_FUNCTIONS(ProfileSetting)

public:
    enum class Kind { Flag, Whole, Decimal, Text };
    using Getter = std::function<QVariant(const Profile&)>;
    using Setter = std::function<void(Profile&, const QVariant&)>;
    // The reason a value is bad, empty when it is good.
    using Checker = std::function<QString(const Profile&)>;
    using Shower = std::function<QString(const QVariant&)>;

    static const std::vector<ProfileSetting>& All();
    // Generation 0 (not identified) holds only what every generation has.
    static bool GenerationKnown(int generation);

    QString section;
    QString key;
    QString name; // readable, e.g. "Vessel: call sign"
    Kind kind = Kind::Whole;
    int generations = 0; // bit (1 << type) for each device type that has it
    bool perVessel = false; // belongs to one vessel, not copied by default
    Getter get;
    Setter set;
    Checker problem; // the pages would not offer the value
    Shower show;
    // The value cannot be sent to a device; a device's own values always can.
    Checker unsendable;

    QString Path() const { return section + QLatin1Char('.') + key; }
    bool HeldBy(int generation) const;
    QString Shown(const Profile& profile) const { return show(get(profile)); }
};
