#include "link/LineAssembler.h"

LineAssembler::Result LineAssembler::take(const QString& piece, bool replaying)
{
    // Log banners and comment lines.
    if (piece.startsWith(QLatin1Char('#'))) {
        return {};
    }
    if (replaying && piece.startsWith(QLatin1Char('>'))) {
        return { Kind::Sent, piece };
    }
    if (piece.endsWith(QLatin1Char('>')) && piece.size() < 3) {
        return { Kind::Prompt, piece };
    }
    if (piece.endsWith(QLatin1Char('\n'))) {
        return completeLine(piece);
    }
    hold(piece);
    return {};
}

void LineAssembler::clear()
{
    m_buffer.clear();
    m_overlong = false;
}

LineAssembler::Result LineAssembler::completeLine(const QString& piece)
{
    if (!fits(piece)) {
        clear();
        return {};
    }
    QString line = m_buffer + piece;
    clear();
    line.remove(QLatin1Char('\r'));
    return { Kind::Line, line };
}

void LineAssembler::hold(const QString& piece)
{
    if (!fits(piece)) {
        m_buffer.clear();
        m_overlong = true;
        return;
    }
    m_buffer += piece;
}

bool LineAssembler::fits(const QString& piece) const
{
    return !m_overlong && m_buffer.size() + piece.size() <= MaxLineLength;
}
