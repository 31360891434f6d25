#include "ui/StatusNote.h"

#include <QMainWindow>
#include <QStatusBar>

namespace {

// Long enough to read a file's path.
const int shownFor = 20000;

} // namespace

void StatusNote::Show(const QWidget* from, const QString& text)
{
    for (const QWidget* widget = from; widget; widget = widget->parentWidget()) {
        if (auto* window = qobject_cast<const QMainWindow*>(widget)) {
            window->statusBar()->showMessage(text, shownFor);
            return;
        }
    }
}
