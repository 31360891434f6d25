#include "protocol/TypedLine.h"

#include "protocol/NmeaSentence.h"

namespace {

const QString rawModeLine = QStringLiteral("+++");

// A sentence typed with a wrong checksum stays invalid, since the added
// checksum follows the wrong one.
bool completeSentence(QString& text)
{
    if (NmeaSentence(text).isValid()) {
        return true;
    }
    text += QLatin1Char('*') + NmeaSentence::checksum(text);
    return NmeaSentence(text).isValid();
}

} // namespace

bool TypedLine::complete(const QString& typed, QString& out)
{
    out.clear();
    const bool wasRaw = m_raw;
    if (typed == rawModeLine) {
        m_raw = true;
    }
    QString text = typed;
    if (!m_raw && !completeSentence(text)) {
        return false;
    }
    out = text + (wasRaw ? m_rawLineEnd : QStringLiteral("\r\n"));
    return true;
}
