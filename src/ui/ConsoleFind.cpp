#include "ui/ConsoleFind.h"

#include <QLabel>
#include <QTextCursor>
#include <QTextEdit>

ConsoleFind::ConsoleFind(QTextEdit* view, QLabel* count, QObject* parent)
    : QObject(parent)
    , view(view)
    , count(count)
{
}

// The view holds plain text, so positions in its text are positions in its
// document.
void ConsoleFind::Find(const QString& text, Direction direction)
{
    const QString document = view->toPlainText();
    const int match = text.isEmpty() ? -1 : Search(document, text, direction);
    if (match >= 0) {
        QTextCursor cursor = view->textCursor();
        cursor.setPosition(match);
        cursor.setPosition(match + text.size(), QTextCursor::KeepAnchor);
        view->setTextCursor(cursor);
    }
    ShowCount(document, text, match);
}

int ConsoleFind::Search(const QString& document, const QString& text, Direction direction) const
{
    const QTextCursor cursor = view->textCursor();
    if (direction == Direction::Previous) {
        // From -1 the search starts at the end: the wrap comes by itself
        // when the current match is the first character.
        const int match = document.lastIndexOf(text, cursor.selectionStart() - 1, Qt::CaseInsensitive);
        return match >= 0 ? match : document.lastIndexOf(text, -1, Qt::CaseInsensitive);
    }
    const int from = direction == Direction::Here ? cursor.selectionStart() : cursor.selectionEnd();
    const int match = document.indexOf(text, from, Qt::CaseInsensitive);
    return match >= 0 ? match : document.indexOf(text, 0, Qt::CaseInsensitive);
}

void ConsoleFind::ShowCount(const QString& document, const QString& text, int match)
{
    if (text.isEmpty()) {
        count->clear();
        return;
    }
    if (match < 0) {
        count->setText(tr("No matches"));
        return;
    }
    const int before = document.leftRef(match).count(text, Qt::CaseInsensitive);
    count->setText(tr("%1 of %2").arg(before + 1).arg(document.count(text, Qt::CaseInsensitive)));
}
