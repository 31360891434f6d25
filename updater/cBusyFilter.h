#pragma once

#include <QObject>

// Swallows mouse clicks and key strokes while the wizard works and offers no
// button, so that nothing (Esc included) interrupts a connection or update.
// Mouse moves and every other event pass.
class cBusyFilter : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override;
};
