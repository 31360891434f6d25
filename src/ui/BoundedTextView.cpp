#include "ui/BoundedTextView.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

// The text direction is fixed: left to itself, the layout works it out
// afresh for every line by reading the line.
void BoundedTextView::Prepare(QTextEdit* view)
{
    view->setUndoRedoEnabled(false);
    QTextOption option = view->document()->defaultTextOption();
    option.setTextDirection(Qt::LeftToRight);
    view->document()->setDefaultTextOption(option);
}

// The text goes at the end, not at the view's cursor: a click into the view
// moves that cursor, and later lines must not land in the middle. The format
// is always given: text inserted without one takes the format before it.
// A selection (a found text, or text to be copied) stays where it is, and so
// does the view, until it is cleared.
void BoundedTextView::Append(QTextEdit* view, const QString& text, const QTextCharFormat& format)
{
    QTextDocument* document = view->document();
    QTextCursor end(document);
    end.movePosition(QTextCursor::End);
    end.insertText(text, format);
    while (Length(view) > MaxLength) {
        QTextCursor head(document);
        head.setPosition(TrimLength, QTextCursor::KeepAnchor);
        head.removeSelectedText();
    }
    if (!view->textCursor().hasSelection())
        view->moveCursor(QTextCursor::End);
}

// The document counts one more character than its text: the separator of
// its last paragraph.
int BoundedTextView::Length(const QTextEdit* view)
{
    return view->document()->characterCount() - 1;
}
