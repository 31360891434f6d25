#include "ui/BoundedTextView.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

void BoundedTextView::Prepare(QTextEdit* view)
{
    view->setUndoRedoEnabled(false);
}

// The text goes at the end, not at the view's cursor: a click into the view
// moves that cursor, and later lines must not land in the middle.
void BoundedTextView::Append(QTextEdit* view, const QString& text)
{
    QTextDocument* document = view->document();
    QTextCursor end(document);
    end.movePosition(QTextCursor::End);
    end.insertText(text);
    while (Length(view) > MaxLength) {
        QTextCursor head(document);
        head.setPosition(TrimLength, QTextCursor::KeepAnchor);
        head.removeSelectedText();
    }
    view->moveCursor(QTextCursor::End);
}

// The document counts one more character than its text: the separator of
// its last paragraph.
int BoundedTextView::Length(const QTextEdit* view)
{
    return view->document()->characterCount() - 1;
}
