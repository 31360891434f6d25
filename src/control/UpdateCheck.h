#pragma once

#include <QCoreApplication>
#include <QString>

// Whether an image may go to a device, decided before the device is reset
// into its boot loader: a device sent there for an image it cannot take is
// left waiting for firmware for nothing. The image must be of the device's
// family (050200 or 160200, as its file name says), newer than the device's
// firmware unless forced, and readable whole and not empty.
class UpdateCheck {
    Q_DECLARE_TR_FUNCTIONS(UpdateCheck)

public:
    enum class Verdict { Go, NotNewer, Refused };

    // force: an image not newer than the firmware may go all the same.
    UpdateCheck(const QString& imagePath, const QString& deviceVersion, bool force = false);

    Verdict Result() const { return m_verdict; }
    // Why the image may not go, naming the image; empty when it may.
    QString Reason() const { return m_reason; }

private:
    void Refuse(Verdict verdict, const QString& reason);
    void ReadWhole(const QString& imagePath);

    Verdict m_verdict = Verdict::Go;
    QString m_reason;
};
