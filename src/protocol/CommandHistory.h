#pragma once

#include <QStringList>

// The lines the user sent from the serial console, oldest first, for Up and
// Down to walk through. Walking back keeps the line being typed, so that
// walking forward past the newest returns to it.
class CommandHistory {
public:
    static constexpr int Limit = 100;
    static constexpr int MaxLineLength = 256;

    // Lines read back from the settings: empty or overlong ones are dropped,
    // and only the newest Limit kept.
    explicit CommandHistory(const QStringList& lines = QStringList());

    // Adds a sent line as the newest (a repeat of the newest is not added
    // again) and ends any walk.
    void Add(const QString& line);
    // The line before the one shown; shown is the typed line when a walk
    // starts.
    QString Older(const QString& shown);
    QString Newer(const QString& shown);
    QStringList Lines() const { return lines; }

private:
    QStringList lines;
    // Index of the line shown; lines.size() while not walking.
    int position = 0;
    QString typed;
};
