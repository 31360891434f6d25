#include "app/JobNames.h"

namespace JobName {
const QString Configuration = QStringLiteral("Configuration");
const QString ConfigurationWithoutMmsi = QStringLiteral("Configuration without MMSI");
const QString Basic = QStringLiteral("Basic");
const QString ClearHolder = QStringLiteral("ClearHolder");
const QString ClearVoyageLog = QStringLiteral("ClearVoyageLog");
const QString ConnectionTest = QStringLiteral("Connection Test");
const QString Control = QStringLiteral("Control");
const QString DeepSleep = QStringLiteral("DeepSleep");
const QString DeleteMmsi = QStringLiteral("DeleteMMSI");
const QString Diagnostics = QStringLiteral("DiagnosticsJob");
const QString GpsOff = QStringLiteral("GPSoff");
const QString GpsOn = QStringLiteral("GPSon");
const QString PollDevice = QStringLiteral("Poll Device");
const QString PollSecurityEnabled = QStringLiteral("Poll Security Enabled");
const QString ResetConfig = QStringLiteral("ResetConfig");
const QString Reset = QStringLiteral("Reset");
const QString ResetVessel = QStringLiteral("ResetVessel");
// The device-side name carries this spelling; it must not be corrected.
const QString SecurityAccessChallengeResponse = QStringLiteral("Security Access Challange Response");
const QString SecurityAccessRequest = QStringLiteral("Security Access Request");
const QString VdrConfiguration = QStringLiteral("VDR Configuration");
const QString VoyageDataGet = QStringLiteral("VoyageDataGet");
const QString BasicV4 = QStringLiteral("BasicV4");
const QString ForIdentifierV4 = QStringLiteral("For Identifier v4");
const QString Version = QStringLiteral("Version");
const QString ForIdentifierVx = QStringLiteral("For Identifier vX");
} // namespace JobName
