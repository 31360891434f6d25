#include "RxReceiver.h"
#include "cSerialLink.h"
#include "cXmodem1KSend.h"

#include <QTemporaryDir>
#include <QtTest>

class TestXmodemAgainstRx : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;

    QString writeImage(const QByteArray& image)
    {
        const QString path = dir.filePath(QStringLiteral("image-%1.img").arg(image.size()));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size()) {
            return {};
        }
        return path;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        if (QStandardPaths::findExecutable(QStringLiteral("rx")).isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("socat")).isEmpty()) {
            QFAIL("lrzsz's rx and socat are needed (make deps installs them)");
        }
    }

    void rxReceivesThePaddedImage_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("1000 bytes: one padded block") << 1000;
        QTest::newRow("2048 bytes: two blocks") << 2048;
        QTest::newRow("300 blocks: numbers wrap") << 300 * 1024 - 100;
    }

    void rxReceivesThePaddedImage()
    {
        QFETCH(int, size);
        QByteArray image(size, Qt::Uninitialized);
        for (int i = 0; i < size; ++i) {
            image[i] = static_cast<char>((i * 31 + i / 997) & 0xFF);
        }
        RxReceiver rx;
        QVERIFY(rx.start());
        QVERIFY(rx.waitForCrcRequest(15000));

        cXmodem1KSend sender(writeImage(image), cSerialLink::factory(rx.portPath()));
        // rx is another process: on a loaded machine it can miss the device's
        // 3 s, and a late answer to a block sent again would be read as the
        // answer to the next one. This test is about the bytes, not timing.
        sender.startTransfer(10000);
        QVERIFY(sender.wait(120000));
        QVERIFY2(sender.result() == cXmodem1KSend::Complete,
            qPrintable(QStringLiteral("result %1 at %2 %").arg(sender.result()).arg(sender.progress())));
        QCOMPARE(sender.progress(), 100);

        QVERIFY(rx.waitForExit(15000));
        const int blocks = (size + 1023) / 1024;
        QCOMPARE(rx.received(), image + QByteArray(blocks * 1024 - size, 0x1A));
    }

    void reportsAPortThatCannotBeOpened()
    {
        cXmodem1KSend sender(writeImage(QByteArray(1000, 'x')),
            cSerialLink::factory(dir.filePath(QStringLiteral("no-such-port"))));
        sender.startTransfer(3000);
        QVERIFY(sender.wait(10000));
        QCOMPARE(sender.result(), int(cXmodem1KSend::PortError));
    }
};

QTEST_GUILESS_MAIN(TestXmodemAgainstRx)
#include "TestXmodemAgainstRx.moc"
