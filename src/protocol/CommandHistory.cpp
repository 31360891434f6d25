#include "protocol/CommandHistory.h"

CommandHistory::CommandHistory(const QStringList& stored)
{
    for (const QString& line : stored) {
        if (!line.isEmpty() && line.size() <= MaxLineLength)
            lines << line;
    }
    lines = lines.mid(qMax(0, lines.size() - Limit));
    position = lines.size();
}

void CommandHistory::Add(const QString& line)
{
    if (!line.isEmpty() && (lines.isEmpty() || lines.last() != line))
        lines << line;
    if (lines.size() > Limit)
        lines.removeFirst();
    position = lines.size();
}

QString CommandHistory::Older(const QString& shown)
{
    if (lines.isEmpty())
        return shown;
    if (position == lines.size())
        typed = shown;
    position = qMax(0, position - 1);
    return lines.at(position);
}

QString CommandHistory::Newer(const QString& shown)
{
    if (position >= lines.size())
        return shown;
    ++position;
    return position == lines.size() ? typed : lines.at(position);
}
