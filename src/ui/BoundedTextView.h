#pragma once

#include <QTextCharFormat>

class QString;
class QTextEdit;

// Appends text to a read-only text view that runs for the program's life,
// and keeps it bounded: while it holds more than MaxLength characters its
// oldest TrimLength characters go. Trimming in large steps keeps it rare.
class BoundedTextView {
public:
    static constexpr int MaxLength = 1000000;
    static constexpr int TrimLength = 100000;

    // Turns off the view's undo history, which would otherwise keep every
    // appended and trimmed text, and sets the text left to right. While the
    // view is scrolled to the bottom it follows the text arriving, as a
    // terminal does; scrolled up, it stays where the user put it.
    static void Prepare(QTextEdit* view);
    // Adds the text at the end in the format given and trims; the view's
    // cursor and selection stay where they are.
    static void Append(QTextEdit* view, const QString& text, const QTextCharFormat& format = QTextCharFormat());
    static int Length(const QTextEdit* view);
};
