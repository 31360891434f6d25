#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

// Faults the simulated device can be told to commit. Reply faults name the
// reply they hit as "WORD" (every time) or "WORD#N" (the N-th time only),
// where WORD is a shell command's first word or whole text ("getserno",
// "getaisfreq 2"), a queried sentence ("SSD", "VSD", "SMM") or "SAC".
struct FaultPlan {
    QStringList dropReplies;
    QStringList corruptReplies;
    QStringList wrongCommandReplies;
    int silentAfterMs = -1;
    int noiseEveryMs = 0;
    int noiseBytes = 12;
    QList<int> nakBlocks;
    int ignoreFirstBlock = 0; // transfers whose first block gets no answer; -1: every transfer
    bool nakFirstEot = false;
    int cutFirstTransferAt = 0; // the first transfer is cancelled when this block arrives; 0: never
    QStringList ignoreWrites; // setting keys whose writes are acknowledged but not stored
    int voyagePauseAfter = 0; // the voyage log stream stops after this many records; 0: never
    int voyagePauseMs = 3000;
};

struct SimConfig {
    QString version = QStringLiteral("050200.02.01.00");
    QString serialNumber = QStringLiteral("205170031442");
    int baud = 115200;
    int replyDelayMs = 30;
    QString password;
    int relockAfterMs = 0;
    QJsonObject settings;

    int batteryMillivolts = 4012;
    int batteryStatus = 2;
    int ledStatus = -1;
    int rssi = -87;
    bool adcLines = true;
    bool scheduledMessages = true;

    double latitude = 50.3550;
    double longitude = -4.1390;
    double speedKnots = 5.5;
    int txtEveryCycles = 20;
    bool txtLeadingField = false;

    int voyageGenerate = 200;
    QJsonArray voyageRecords;

    int resetSilenceMs = 300;
    int bootCIntervalMs = 1000;
    int bootWindowMs = 3000;
    int bootIdleTimeoutMs = 10000;
    bool bootLoaderOnly = false;
    int bootWaitingIntervalMs = 3000;
    int deepSleepMs = 5000;

    FaultPlan faults;

    // Reads a configuration file's object over the defaults; unknown keys and
    // values of the wrong kind are errors, named in *error.
    static bool fromJson(const QJsonObject& json, SimConfig* config, QString* error);
    static bool fromFile(const QString& path, SimConfig* config, QString* error);
    // Every configuration key with its meaning and default, for --help.
    static QString help();
    // text broken into lines of at most 78 characters, each indented.
    static QString wrapped(const QString& text, int indent);
};
