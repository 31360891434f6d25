#include "ui/BoundedTextView.h"

#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <memory>

// The text direction is fixed: left to itself, the layout works it out
// afresh for every line by reading the line. The view follows by its scroll
// bar, not by its cursor: the layout may grow the range after the text is
// in, and a selection (found text, or text to copy) must not hold the view.
void BoundedTextView::Prepare(QTextEdit* view)
{
    view->setUndoRedoEnabled(false);
    QTextOption option = view->document()->defaultTextOption();
    option.setTextDirection(Qt::LeftToRight);
    view->document()->setDefaultTextOption(option);
    QScrollBar* bar = view->verticalScrollBar();
    auto atBottom = std::make_shared<bool>(true);
    QObject::connect(bar, &QScrollBar::valueChanged, view,
        [bar, atBottom](int value) { *atBottom = value == bar->maximum(); });
    QObject::connect(bar, &QScrollBar::rangeChanged, view, [bar, atBottom](int, int maximum) {
        if (*atBottom)
            bar->setValue(maximum);
    });
}

// The text goes at the end, not at the view's cursor: a click into the view
// moves that cursor, and later lines must not land in the middle. The format
// is always given: text inserted without one takes the format before it.
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
}

// The document counts one more character than its text: the separator of
// its last paragraph.
int BoundedTextView::Length(const QTextEdit* view)
{
    return view->document()->characterCount() - 1;
}
