#pragma once

#include <QImage>
#include <QPoint>
#include <QTcpSocket>

// A minimal viewer for a program shown on Qt's VNC platform: it looks at the
// screen and clicks on it, as a user in front of that screen would. Only the
// raw encoding and the "no authentication" handshake of RFB 3.3 are spoken.
class VncScreen {
public:
    bool connectTo(quint16 port, int ms);
    // The whole screen, or a null image when the server did not send it.
    QImage grab(int ms);
    void click(const QPoint& position);

    // The top-left corner of the one window on an otherwise black screen:
    // where the first long run of lit pixels starts (a pointer is never that
    // wide). False when the screen is all black.
    static bool findWindow(const QImage& screen, QPoint* topLeft);

private:
    QByteArray read(int size, int ms);
    bool readRectangle(QImage* screen, int ms);
    void sendPointer(const QPoint& position, quint8 buttons);

    QTcpSocket socket;
    QSize size;
};
