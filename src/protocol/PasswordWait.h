#pragma once

#include <QObject>

// A password typed on the terminal holds up the whole program, every port
// with it. Whatever waits for a device hears of it afterwards and starts its
// wait again, so that the typing time is not taken for the device's silence.
class PasswordWait : public QObject {
    Q_OBJECT

public:
    static PasswordWait& Instance();
    // Once the password has been typed, or asking it has failed.
    void End() { emit ended(); }

signals:
    void ended();
};
