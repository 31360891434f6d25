#include "model/Model.h"
#include "protocol/EveryCodec.h"
#include "protocol/NmeaSentence.h"
#include "protocol/cSecurityDomainManager.h"

#include <QtTest>

#include <memory>
#include <random>
#include <vector>

namespace {

// Fixed, so that a failure names a line that the next run offers again.
constexpr unsigned seed = 20260611;
constexpr int mutatedLineCount = 8000;

// Characters that mean something to the framing or the field readers, and
// some that mean nothing to anyone.
const QString alphabet = QStringLiteral(",,,***^^@@$!\\~0123456789ABCDEFabcdefRVAQC -+.\r\n\t\"")
    + QChar(0xE9) + QChar(0xFF) + QChar(0x20AC) + QChar(0);

const QStringList shellPayloads = { "0", "1", "2", "155", "161975000", "TESTING ONLY!", "A^2CB", "" };

const QStringList standardReplies = {
    "$AISSD,AB12@@@,MY BOAT@@@@@@@@@@@@@,10,5,2,3,0,AI",
    "$AIVSD,37,2.5,4,HOME PORT@@@@@@@@@@@,,,,,",
    "$AISMM,,,123456789,",
};

const QStringList sacReplies = { "$PKRX,SAC,R,V,80,1A2B3C4D", "$PKRX,SAC,R,A,80,0" };

class Mutator {
public:
    explicit Mutator(unsigned seed)
        : m_random(seed)
    {
    }

    int below(int bound)
    {
        return bound <= 0 ? 0 : static_cast<int>(m_random() % static_cast<unsigned>(bound));
    }

    QString mutate(const QString& seedLine)
    {
        QString text = body(seedLine);
        const int steps = 1 + below(4);
        for (int i = 0; i < steps; ++i) {
            text = step(text);
        }
        // Most mutants get a correct checksum, so that they pass the framing
        // and reach the field readers and the codecs' own checks.
        if (below(4) != 0) {
            return NmeaSentence::frame(body(text));
        }
        return text;
    }

private:
    // The text before the last "*", without checksum and line end.
    static QString body(const QString& line)
    {
        const int star = line.lastIndexOf(QLatin1Char('*'));
        return star < 0 ? line : line.left(star);
    }

    QChar anyCharacter() { return alphabet.at(below(alphabet.size())); }

    QString step(QString text)
    {
        const int at = below(text.size() + 1);
        switch (below(7)) {
        case 0:
            if (at < text.size()) {
                text[at] = anyCharacter();
            }
            return text;
        case 1:
            return text.insert(at, anyCharacter());
        case 2:
            return text.remove(at, 1 + below(3));
        case 3:
            return text.left(at);
        case 4:
            return replaceField(
                text, { "", "-1", "99999999999", "4294967296", "FFFFFFFF", "1e3", "0x10", " 7" });
        case 5:
            return replaceField(
                text, { "@@@@@@@@@@@@@@@@@@@@@@@@@", "^", "^4", "^ZZ", "^2C^2A", QString(40, 'W') });
        default:
            return dropOrRepeatField(text);
        }
    }

    QString replaceField(const QString& text, const QStringList& values)
    {
        QStringList fields = text.split(QLatin1Char(','));
        fields[below(fields.size())] = values.at(below(values.size()));
        return fields.join(QLatin1Char(','));
    }

    QString dropOrRepeatField(const QString& text)
    {
        QStringList fields = text.split(QLatin1Char(','));
        const int at = below(fields.size());
        if (below(2) == 0) {
            fields.removeAt(at);
        } else {
            fields.insert(at, fields.at(at));
        }
        return fields.join(QLatin1Char(','));
    }

    std::mt19937 m_random;
};

// Every field of the model a codec may write.
struct Snapshot {
    QStringList texts;
    std::vector<double> numbers;

    bool operator==(const Snapshot& other) const { return texts == other.texts && numbers == other.numbers; }
};

Snapshot snapshot(Model& model)
{
    const Messages* messages = model.messages();
    const Alerts* alerts = model.alerts();
    const GeoBoundary* boundary = model.geoBoundary();
    const StaticData* staticData = model.staticData();
    const Diagnostics* diagnostics = model.diagnostics();
    const VoyageLog* voyageLog = model.voyageLog();
    Snapshot values { { model.mmsi()->text(), staticData->callSign(), staticData->vesselName(),
                          model.vesselData()->destination(), alerts->sosMessage(),
                          diagnostics->batteryStatus(), diagnostics->batteryVoltage(),
                          diagnostics->ledStatus(), diagnostics->powerBoxStatus(),
                          diagnostics->adcReading() },
        { double(model.vesselData()->vesselType()), double(messages->positionInterval()),
            double(messages->staticDataInterval()), double(messages->highRateEnabled()),
            double(messages->highRateSog()), double(messages->highRateInterval()),
            double(messages->channelAFrequency()), double(messages->channelBEnabled()),
            double(messages->channelBFrequency()), double(alerts->bracketErrorMode()),
            double(alerts->offBracketMode()), double(alerts->insideGeofenceMode()),
            double(alerts->outsideGeofenceMode()), double(alerts->powerBoxAlertEnabled()),
            double(alerts->powerBoxEnabled()), double(alerts->sosAlertEnabled()),
            double(alerts->sosBuzzerMode()), double(alerts->geofenceBuzzerMode()),
            double(boundary->boundaryEnabled()), double(boundary->insideBoundary()),
            double(boundary->operationalFenceEnabled()), double(boundary->halvexFenceEnabled()),
            double(boundary->encryptionFenceEnabled()), double(voyageLog->logEnabled()),
            double(voyageLog->logPeriod()), double(voyageLog->logDistance()), double(model.sbasEnabled()) } };
    for (int which = 0; which < StaticData::DimensionCount; ++which) {
        values.numbers.push_back(staticData->dimension(static_cast<StaticData::Dimension>(which)));
    }
    return values;
}

// Well-formed replies for each codec, one group a codec, so that every codec
// gets its share of mutants: for a shell codec the device's answers to its
// own read command.
QList<QStringList> seedReplies(const std::vector<std::unique_ptr<AISSentence>>& codecs)
{
    QList<QStringList> groups;
    for (const auto& codec : codecs) {
        QString command;
        if (NmeaSentence(codec->readSentence()).fieldText(5, command)) {
            QStringList replies;
            for (const QString& payload : shellPayloads) {
                replies << QStringLiteral("$PKRX,255,%1,0,%2").arg(command, payload);
            }
            groups << replies;
        }
    }
    for (const QString& reply : standardReplies) {
        groups << QStringList { reply };
    }
    return groups;
}

// Only these two keep what they read before a field that fails.
bool keepsPartialReplies(const AISSentence& codec)
{
    return codec.formatter() == QLatin1String("SSD") || codec.formatter() == QLatin1String("VSD");
}

// The line as a failure message can show it: control characters as \xNN.
QByteArray shown(const QString& text)
{
    QByteArray out;
    for (const QChar c : text) {
        if (c.unicode() < 0x20) {
            out += "\\x" + QByteArray::number(c.unicode(), 16).rightJustified(2, '0');
        } else {
            out += QString(c).toUtf8();
        }
    }
    return out;
}

QString sacState(const cSecurityDomainManager& manager)
{
    return QStringLiteral("%1 %2 %3")
        .arg(manager.deviceState())
        .arg(manager.replyNumber())
        .arg(manager.challenge());
}

} // namespace

class TestCodecRobustness : public QObject {
    Q_OBJECT

private slots:
    void mutatedRepliesNeverHarmTheModel()
    {
        Model model;
        const auto codecs = everyCodec(model);
        // Twenty-nine classes, with the four kinds of MsgTI and both channels of Freq.
        QCOMPARE(int(codecs.size()), 33);
        const QList<QStringList> seeds = seedReplies(codecs);
        Mutator mutator(seed);
        QHash<AISSentence*, int> accepted;

        for (int i = 0; i < mutatedLineCount; ++i) {
            const QStringList& group = seeds.at(mutator.below(seeds.size()));
            const QString text = mutator.mutate(group.at(mutator.below(group.size())));
            const NmeaSentence sentence(text);
            Snapshot before = snapshot(model);
            for (const auto& codec : codecs) {
                const int result = codec->parseReply(sentence);
                QVERIFY2(result <= 0, shown(text).constData());
                if (result == 0) {
                    QVERIFY2(sentence.isValid(), shown(text).constData());
                    ++accepted[codec.get()];
                    before = snapshot(model);
                } else if (!keepsPartialReplies(*codec)) {
                    QVERIFY2(snapshot(model) == before,
                        (codec->formatter().toUtf8() + ": " + shown(text)).constData());
                } else {
                    before = snapshot(model);
                }
            }
            QVERIFY2(model.staticData()->callSign().size() <= 7, shown(text).constData());
            QVERIFY2(model.staticData()->vesselName().size() <= 20, shown(text).constData());
            QVERIFY2(model.vesselData()->destination().size() <= 20, shown(text).constData());
            QVERIFY2(model.alerts()->insideGeofenceMode() >= 0 && model.alerts()->insideGeofenceMode() <= 2,
                shown(text).constData());
        }
        // The mutants must reach the codecs' own checks, not only the framing.
        for (const auto& codec : codecs) {
            QVERIFY2(accepted.value(codec.get()) > 0, qPrintable(codec->readSentence()));
        }
    }

    void mutatedSacRepliesOnlyChangeTheManagerThroughAnR()
    {
        cSecurityDomainManager manager([] { return QStringLiteral("password"); });
        Mutator mutator(seed + 1);
        int changed = 0;
        for (int i = 0; i < mutatedLineCount; ++i) {
            const QString text = mutator.mutate(sacReplies.at(mutator.below(sacReplies.size())));
            const NmeaSentence sentence(text);
            const QString before = sacState(manager);
            manager.parseSac(sentence);
            QChar kind;
            const bool isReply = sentence.fieldChar(2, kind) && kind == QLatin1Char('R');
            QVERIFY2(isReply || sacState(manager) == before, shown(text).constData());
            changed += sacState(manager) != before ? 1 : 0;
            // The response must stay a well-formed sentence whatever was read.
            QVERIFY2(NmeaSentence(manager.responseSentence()).isValid(), shown(text).constData());
        }
        QVERIFY(changed > 0);
    }
};

QTEST_GUILESS_MAIN(TestCodecRobustness)
#include "TestCodecRobustness.moc"
