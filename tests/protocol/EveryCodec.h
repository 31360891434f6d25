#pragma once

#include "model/Model.h"
#include "protocol/AISSentenceBattStatus.h"
#include "protocol/AISSentenceBattVolt.h"
#include "protocol/AISSentenceBracketErrorBehaviour.h"
#include "protocol/AISSentenceEncryptionFenceEnabled.h"
#include "protocol/AISSentenceFreq.h"
#include "protocol/AISSentenceGBEnabled.h"
#include "protocol/AISSentenceGBEnabledvX.h"
#include "protocol/AISSentenceGBInOut.h"
#include "protocol/AISSentenceGeofenceAudibleAlertEnable.h"
#include "protocol/AISSentenceHalvexFenceEnabled.h"
#include "protocol/AISSentenceInsideGeofenceBehaviour.h"
#include "protocol/AISSentenceLedSetting.h"
#include "protocol/AISSentenceMsgTI.h"
#include "protocol/AISSentenceOffBracketBehaviour.h"
#include "protocol/AISSentenceOperationalFenceEnabled.h"
#include "protocol/AISSentenceOutsideGeofenceBehaviour.h"
#include "protocol/AISSentencePowerBoxAlertEnable.h"
#include "protocol/AISSentencePowerBoxEnable.h"
#include "protocol/AISSentencePowerBoxSetting.h"
#include "protocol/AISSentenceRSSI.h"
#include "protocol/AISSentenceSMM.h"
#include "protocol/AISSentenceSSD.h"
#include "protocol/AISSentenceSbasEnable.h"
#include "protocol/AISSentenceSosAlertEnable.h"
#include "protocol/AISSentenceSosAudibleAlertEnable.h"
#include "protocol/AISSentenceSosMessageText.h"
#include "protocol/AISSentenceVSD.h"
#include "protocol/AISSentenceVoyageLogDistance.h"
#include "protocol/AISSentenceVoyageLogPeriod.h"

#include <memory>
#include <vector>

// One codec of every kind, each bound to its object of the given model.
inline std::vector<std::unique_ptr<AISSentence>> everyCodec(Model& model)
{
    std::vector<std::unique_ptr<AISSentence>> codecs;
    const auto add = [&codecs](AISSentence* codec) { codecs.emplace_back(codec); };
    Diagnostics* diagnostics = model.diagnostics();
    Alerts* alerts = model.alerts();
    GeoBoundary* boundary = model.geoBoundary();
    add(new AISSentenceBattStatus(diagnostics));
    add(new AISSentenceBattVolt(diagnostics));
    add(new AISSentenceRSSI(diagnostics));
    add(new AISSentenceLedSetting(diagnostics));
    add(new AISSentencePowerBoxSetting(diagnostics));
    for (const auto kind : { AISSentenceMsgTI::PositionInterval, AISSentenceMsgTI::HighRateInterval,
             AISSentenceMsgTI::HighRateSog, AISSentenceMsgTI::StaticDataInterval }) {
        add(new AISSentenceMsgTI(model.messages(), kind));
    }
    add(new AISSentenceFreq(model.messages(), true));
    add(new AISSentenceFreq(model.messages(), false));
    add(new AISSentenceVoyageLogPeriod(model.voyageLog()));
    add(new AISSentenceVoyageLogDistance(model.voyageLog()));
    add(new AISSentenceBracketErrorBehaviour(alerts));
    add(new AISSentenceOffBracketBehaviour(alerts));
    add(new AISSentenceSosAlertEnable(alerts));
    add(new AISSentenceSosAudibleAlertEnable(alerts));
    add(new AISSentenceSosMessageText(alerts));
    add(new AISSentenceGeofenceAudibleAlertEnable(alerts));
    add(new AISSentencePowerBoxAlertEnable(alerts));
    add(new AISSentenceSbasEnable(&model));
    add(new AISSentencePowerBoxEnable(alerts));
    add(new AISSentenceGBEnabled(boundary));
    add(new AISSentenceGBInOut(boundary));
    add(new AISSentenceInsideGeofenceBehaviour(alerts));
    add(new AISSentenceOutsideGeofenceBehaviour(alerts));
    add(new AISSentenceGBEnabledvX(boundary));
    add(new AISSentenceOperationalFenceEnabled(boundary));
    add(new AISSentenceHalvexFenceEnabled(boundary));
    add(new AISSentenceEncryptionFenceEnabled(boundary));
    add(new AISSentenceSSD(model.staticData()));
    add(new AISSentenceVSD(model.vesselData()));
    add(new AISSentenceSMM(model.mmsi()));
    return codecs;
}
