#pragma once

#include <QObject>
#include <QString>
#include <QTextCursor>

class QLabel;
class QTextEdit;

// Finds text in the serial console's view, case-insensitively, marking the
// match in a colour of its own and telling which of how many it is. Each
// search reads the view's text afresh, since lines keep arriving; on a full
// view that takes a few milliseconds.
class ConsoleFind : public QObject {
    Q_OBJECT

public:
    enum class Direction {
        // The match at or after the start of the current one, as the text
        // sought is typed.
        Here,
        Next,
        Previous,
    };

    ConsoleFind(QTextEdit* view, QLabel* count, QObject* parent = nullptr);

    // Wraps around at either end; an empty text clears the count and the mark.
    void Find(const QString& text, Direction direction);

private:
    int Search(const QString& document, const QString& text, Direction direction) const;
    void Mark(int match, int length);
    void ShowCount(const QString& document, const QString& text, int match);

    QTextEdit* view;
    QLabel* count;
    // The current match, or the top when there is none; the document moves
    // it along as its head is trimmed.
    QTextCursor found;
};
