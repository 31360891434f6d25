#pragma once

#include <QString>

// The names of the transport's jobs. The state machine queues jobs by these
// names and the transport reports completion with them, so both sides must
// use the very same strings (spelling included).
namespace JobName {
extern const QString Configuration;
// The configuration written without the MMSI, which the device keeps.
extern const QString ConfigurationWithoutMmsi;
extern const QString Basic;
extern const QString ClearHolder;
extern const QString ClearVoyageLog;
extern const QString ConnectionTest;
extern const QString Control;
extern const QString DeepSleep;
extern const QString DeleteMmsi;
extern const QString Diagnostics;
extern const QString GpsOff;
extern const QString GpsOn;
extern const QString PollDevice;
extern const QString PollSecurityEnabled;
extern const QString ResetConfig;
extern const QString Reset;
extern const QString ResetVessel;
extern const QString SecurityAccessChallengeResponse;
extern const QString SecurityAccessRequest;
extern const QString VdrConfiguration;
extern const QString VoyageDataGet;
extern const QString BasicV4;
extern const QString ForIdentifierV4;
extern const QString Version;
extern const QString ForIdentifierVx;
} // namespace JobName
