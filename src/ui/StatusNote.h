#pragma once

class QString;
class QWidget;

// A passing note in the main window's status bar that something has been
// done, such as a file saved. When it has run its time the status bar shows
// the link's state again.
class StatusNote {
public:
    // from: any widget of the main window, or a dialog opened over it.
    static void Show(const QWidget* from, const QString& text);
};
