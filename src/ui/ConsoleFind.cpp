#include "ui/ConsoleFind.h"

#include <QLabel>
#include <QTextEdit>

namespace {

// The selection colour is white, near the view's background: the match has
// a colour of its own, dark enough for the black text on it to stand out.
const QColor foundColour(0xFF, 0xB3, 0x00);

} // namespace

ConsoleFind::ConsoleFind(QTextEdit* view, QLabel* count, QObject* parent)
    : QObject(parent)
    , view(view)
    , count(count)
    , found(view->document())
{
}

// The view holds plain text, so positions in its text are positions in its
// document.
void ConsoleFind::Find(const QString& text, Direction direction)
{
    const QString document = view->toPlainText();
    const int match = text.isEmpty() ? -1 : Search(document, text, direction);
    Mark(match, text.size());
    ShowCount(document, text, match);
}

// Without a match the current one is taken to be at the top, so the search
// starts there, or for Previous at the end.
int ConsoleFind::Search(const QString& document, const QString& text, Direction direction) const
{
    if (direction == Direction::Previous) {
        // From -1 the search starts at the end: the wrap comes by itself
        // when the current match is the first character.
        const int match = document.lastIndexOf(text, found.selectionStart() - 1, Qt::CaseInsensitive);
        return match >= 0 ? match : document.lastIndexOf(text, -1, Qt::CaseInsensitive);
    }
    const int from = direction == Direction::Here ? found.selectionStart() : found.selectionEnd();
    const int match = document.indexOf(text, from, Qt::CaseInsensitive);
    return match >= 0 ? match : document.indexOf(text, 0, Qt::CaseInsensitive);
}

// The view's cursor goes to the match, bringing it into sight, but does not
// select it: the selection would be drawn over the mark.
void ConsoleFind::Mark(int match, int length)
{
    found = QTextCursor(view->document());
    if (match < 0) {
        view->setExtraSelections({});
        return;
    }
    found.setPosition(match);
    view->setTextCursor(found);
    found.setPosition(match + length, QTextCursor::KeepAnchor);
    QTextEdit::ExtraSelection mark;
    mark.cursor = found;
    mark.format.setBackground(foundColour);
    mark.format.setForeground(QColor(Qt::black));
    view->setExtraSelections({ mark });
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
