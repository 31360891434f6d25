#include "cli/CliProfile.h"

#include "model/SettingRules.h"

#include <algorithm>

ProfileReadResult CliProfile::Read(const QString& path)
{
    ProfileReadResult read = ProfileFile::Read(path);
    StaticData& vessel = read.profile.staticData();
    vessel.setVesselName(vessel.vesselName().toUpper());
    vessel.setCallSign(vessel.callSign().toUpper());
    const bool nameFine
        = SettingRules::AisTextProblem(vessel.vesselName(), SettingRules::VesselNameLength).isEmpty();
    const bool callSignFine
        = SettingRules::AisTextProblem(vessel.callSign(), SettingRules::CallSignLength).isEmpty();
    const auto nowFine = [nameFine, callSignFine](const QString& warning) {
        return (nameFine && warning.startsWith(QLatin1String("vessel.name ")))
            || (callSignFine && warning.startsWith(QLatin1String("vessel.callSign ")));
    };
    read.warnings.erase(
        std::remove_if(read.warnings.begin(), read.warnings.end(), nowFine), read.warnings.end());
    return read;
}
