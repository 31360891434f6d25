#include "protocol/AISSentenceSbasEnable.h"

#include "model/Model.h"

AISSentenceSbasEnable::AISSentenceSbasEnable(Model* model, QObject* parent)
    : AISSentence(model, parent)
{
    setFormatter(QStringLiteral("SBS"));
    setShellCommand(QStringLiteral("nvgeti \"sbasmode\""), OpenDomain);
}

QString AISSentenceSbasEnable::writeSentence() const
{
    const Model* model = object<Model>();
    return shellWriteSentence(QStringLiteral("setsbasmode ") + flagText(model->sbasEnabled()));
}

int AISSentenceSbasEnable::parseReply(const NmeaSentence& sentence)
{
    Model* model = object<Model>();
    return storeShellNumber(
        sentence, Decoding::Flag, [model](int value) { model->setSbasEnabled(value != 0); });
}
