#pragma once

#include <QObject>

class QAction;
class QMenu;
class QWidget;

// The File menu's way into the programming history.
class HistoryActions : public QObject {
    Q_OBJECT

public:
    // Puts the action into menu before `before`.
    HistoryActions(QWidget* window, QMenu* menu, QAction* before);

private slots:
    void OnShow();

private:
    QWidget* window;
};
