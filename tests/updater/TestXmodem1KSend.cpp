#include "QueuedLink.h"
#include "cXmodem1KSend.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

const QByteArray ACK(1, 0x06);
const QByteArray NAK(1, 0x15);
const QByteArray CAN(1, 0x18);
const QByteArray Silence;
// An ACK that comes only after the sender has given up waiting for it: it
// arrives while the sender's next bytes go out.
const QByteArray LateACK = "late" + ACK;
// An ACK that comes a moment after the frame: while the sender waits for the
// line to go quiet, or else while its next bytes go out.
const QByteArray SlowACK = "slow" + ACK;
constexpr int FrameSize = 1029;

// What the scripted receiver is told to answer and what it saw. Answers are
// taken in order, one per block frame or EOT; ACK when a list runs out.
struct ReceiverScript {
    QList<QByteArray> blockAnswers;
    QList<QByteArray> eotAnswers;
    // Waiting in the port before the sender starts, e.g. a stale NAK.
    QByteArray staleInput;
    bool opens = true;
    std::function<int()> progress;

    int opened = 0;
    QList<int> numbers;
    // Progress the sender showed whenever a new block or an EOT arrived.
    QList<int> progressSeen;
    QByteArray received;
    int eots = 0;
    int cans = 0;
    QStringList faults;
};

// An XMODEM-1K receiver written for these tests. It checks every frame and
// keeps the data of each new block it acknowledges, as a receiver would write
// it to its file.
class ScriptedReceiver : public QueuedLink {
public:
    explicit ScriptedReceiver(ReceiverScript* script)
        : script(script)
    {
    }

    bool open(qint32, QIODevice::OpenMode) override
    {
        ++script->opened;
        pending = script->staleInput;
        isOpen = script->opens;
        return isOpen;
    }
    void close() override { isOpen = false; }
    int readByte(QDeadlineTimer deadline) override
    {
        if (pending.isEmpty()) {
            pending = slow;
            slow.clear();
        }
        return QueuedLink::readByte(deadline);
    }
    bool send(const QByteArray& bytes, QDeadlineTimer) override
    {
        if (!isOpen) {
            return false;
        }
        pending += late + slow;
        late.clear();
        slow.clear();
        incoming += bytes;
        while (!incoming.isEmpty() && take()) { }
        return true;
    }

private:
    // Consumes one unit from the head of the input; false while a frame is
    // still incomplete.
    bool take()
    {
        const char head = incoming.at(0);
        if (head == 0x02) {
            if (incoming.size() < FrameSize) {
                return false;
            }
            frame(incoming.left(FrameSize));
            incoming.remove(0, FrameSize);
            return true;
        }
        if (head == 0x04) {
            ++script->eots;
            script->progressSeen << script->progress();
            pending += script->eotAnswers.isEmpty() ? ACK : script->eotAnswers.takeFirst();
        } else if (head == 0x18) {
            ++script->cans;
        } else {
            script->faults << QStringLiteral("stray byte %1").arg(int(head));
        }
        incoming.remove(0, 1);
        return true;
    }

    void frame(const QByteArray& frame)
    {
        const int number = static_cast<unsigned char>(frame.at(1));
        const QByteArray data = frame.mid(3, 1024);
        const quint16 crc = static_cast<quint16>(
            (static_cast<unsigned char>(frame.at(1027)) << 8) | static_cast<unsigned char>(frame.at(1028)));
        if (number + static_cast<unsigned char>(frame.at(2)) != 255 || crc != cXmodem1KSend::crc16(data)) {
            script->faults << QStringLiteral("bad frame %1").arg(number);
        }
        if (script->numbers.isEmpty() || script->numbers.last() != number) {
            script->progressSeen << script->progress();
        }
        script->numbers << number;
        const QByteArray answer = script->blockAnswers.isEmpty() ? ACK : script->blockAnswers.takeFirst();
        if (answer.endsWith(ACK) && number == (expected & 0xFF)) {
            script->received += data;
            ++expected;
        }
        if (answer == LateACK) {
            late = ACK;
        } else if (answer == SlowACK) {
            slow = ACK;
        } else {
            pending += answer;
        }
    }

    ReceiverScript* script;
    QByteArray incoming;
    QByteArray late;
    QByteArray slow;
    int expected = 1;
    bool isOpen = false;
};

QByteArray imageOfSize(int size)
{
    QByteArray image(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i) {
        image[i] = static_cast<char>((i * 7 + i / 1024) % 251);
    }
    return image;
}

QByteArray padded(const QByteArray& image)
{
    const int blocks = (image.size() + 1023) / 1024;
    return image + QByteArray(blocks * 1024 - image.size(), 0x1A);
}

QList<int> blockNumbers(int blocks)
{
    QList<int> numbers;
    for (int i = 1; i <= blocks; ++i) {
        numbers << (i & 0xFF);
    }
    return numbers;
}

} // namespace

class TestXmodem1KSend : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;

    QString writeImage(const QByteArray& image)
    {
        const QString path = dir.filePath(QStringLiteral("image.img"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size()) {
            return {};
        }
        return path;
    }

    // Runs one transfer of the file at path against the script.
    static int transfer(cXmodem1KSend& sender, ReceiverScript& script)
    {
        script.progress = [&sender] { return sender.progress(); };
        sender.startTransfer(1000);
        if (!sender.wait(30000)) {
            return -1;
        }
        return sender.result();
    }

    static cLinkFactory factoryFor(ReceiverScript* script)
    {
        return [script] { return std::make_unique<ScriptedReceiver>(script); };
    }

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void transfersTheImage_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QList<QByteArray>>("blockAnswers");
        QTest::addColumn<QList<QByteArray>>("eotAnswers");
        QTest::addColumn<int>("result");
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<int>("progressAfterFirst");
        QTest::addColumn<int>("eots");

        const QList<QByteArray> none;
        const int complete = cXmodem1KSend::Complete;
        QTest::newRow("1000 bytes: one padded block")
            << 1000 << none << none << complete << QList<int> { 1 } << 100 << 1;
        QTest::newRow("2048 bytes: two blocks, 50 % after the first")
            << 2048 << none << none << complete << QList<int> { 1, 2 } << 50 << 1;
        QTest::newRow("300 blocks: numbers wrap from 255 to 0, progress at least 1")
            << 300 * 1024 << none << none << complete << blockNumbers(300) << 1 << 1;
        QTest::newRow("NAK, then ACK: the block is sent again")
            << 2048 << QList<QByteArray> { NAK } << none << complete << QList<int> { 1, 1, 2 } << 50 << 1;
        QTest::newRow("a CAN from the receiver is a failed try")
            << 2048 << QList<QByteArray> { CAN } << none << complete << QList<int> { 1, 1, 2 } << 50 << 1;
        QTest::newRow("a late C before the ACK is no answer: block 1 goes once")
            << 2048 << QList<QByteArray> { "C" + ACK } << none << complete << QList<int> { 1, 2 } << 50 << 1;
        QTest::newRow("NAK to the first EOT: a second EOT")
            << 1000 << none << QList<QByteArray> { NAK } << complete << QList<int> { 1 } << 100 << 2;
        // Each answer read must belong to the frame just sent.
        QTest::newRow("a late ACK to block 1, then a NAK to the last block")
            << 3000 << QList<QByteArray> { LateACK, ACK, ACK, NAK } << none << complete
            << QList<int> { 1, 1, 2, 3, 3 } << 34 << 1;
        // After a retry the sender waits for quiet: the retry's own ACK,
        // behind the late one, must not answer block 2.
        QTest::newRow("a late ACK to block 1, a slow one to its retry, then a NAK to block 2")
            << 3000 << QList<QByteArray> { LateACK, SlowACK, NAK } << none << complete
            << QList<int> { 1, 1, 2, 2, 3 } << 34 << 1;
        QTest::newRow("every ACK sent twice, block 2 and the first EOT refused once")
            << 3000 << QList<QByteArray> { ACK + ACK, NAK, ACK + ACK, ACK + ACK } << QList<QByteArray> { NAK }
            << complete << QList<int> { 1, 2, 2, 3 } << 34 << 2;
    }

    void transfersTheImage()
    {
        QFETCH(int, size);
        QFETCH(QList<QByteArray>, blockAnswers);
        QFETCH(QList<QByteArray>, eotAnswers);
        QFETCH(int, result);
        QFETCH(QList<int>, numbers);
        QFETCH(int, progressAfterFirst);
        QFETCH(int, eots);

        const QByteArray image = imageOfSize(size);
        ReceiverScript script;
        script.blockAnswers = blockAnswers;
        script.eotAnswers = eotAnswers;
        cXmodem1KSend sender(writeImage(image), factoryFor(&script));

        QCOMPARE(transfer(sender, script), result);
        QCOMPARE(script.faults, QStringList());
        QCOMPARE(script.numbers, numbers);
        QCOMPARE(script.received, padded(image));
        QCOMPARE(script.eots, eots);
        QCOMPARE(script.cans, 0);
        QCOMPARE(sender.progress(), 100);
        QCOMPARE(script.progressSeen.value(1), progressAfterFirst);
    }

    void cancelsABlockThatIsNotAcknowledgedTwice_data()
    {
        QTest::addColumn<QList<QByteArray>>("blockAnswers");
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<int>("progress");

        QTest::newRow("two silent replies to block 1: never started")
            << QList<QByteArray> { Silence, Silence } << QList<int> { 1, 1 } << 0;
        QTest::newRow("only late Cs: still no answer")
            << QList<QByteArray> { "CC", "C" } << QList<int> { 1, 1 } << 0;
        QTest::newRow("NAK twice to block 1") << QList<QByteArray> { NAK, NAK } << QList<int> { 1, 1 } << 0;
        QTest::newRow("silence after the first block: a time-out, not a failure to start")
            << QList<QByteArray> { ACK, Silence, Silence } << QList<int> { 1, 2, 2 } << 34;
    }

    void cancelsABlockThatIsNotAcknowledgedTwice()
    {
        QFETCH(QList<QByteArray>, blockAnswers);
        QFETCH(QList<int>, numbers);
        QFETCH(int, progress);

        ReceiverScript script;
        script.blockAnswers = blockAnswers;
        cXmodem1KSend sender(writeImage(imageOfSize(3000)), factoryFor(&script));

        QCOMPARE(transfer(sender, script), int(cXmodem1KSend::Cancelled));
        QCOMPARE(script.numbers, numbers);
        QCOMPARE(script.cans, 8);
        QCOMPARE(script.eots, 0);
        QCOMPARE(sender.progress(), progress);
    }

    void discardsWhatWaitedInThePortBeforeTheTransfer()
    {
        ReceiverScript script;
        script.staleInput = NAK + "CC";
        cXmodem1KSend sender(writeImage(imageOfSize(2048)), factoryFor(&script));

        QCOMPARE(transfer(sender, script), int(cXmodem1KSend::Complete));
        QCOMPARE(script.numbers, (QList<int> { 1, 2 }));
    }

    void reportsFileAndPortProblemsWithoutSending_data()
    {
        QTest::addColumn<bool>("fileExists");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("portOpens");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("opened");

        QTest::newRow("missing file") << false << 0 << true << int(cXmodem1KSend::FileError) << 0;
        QTest::newRow("empty file") << true << 0 << true << int(cXmodem1KSend::PortError) << 0;
        QTest::newRow("port cannot be opened") << true << 1000 << false << int(cXmodem1KSend::PortError) << 1;
    }

    void reportsFileAndPortProblemsWithoutSending()
    {
        QFETCH(bool, fileExists);
        QFETCH(int, size);
        QFETCH(bool, portOpens);
        QFETCH(int, result);
        QFETCH(int, opened);

        const QString path
            = fileExists ? writeImage(imageOfSize(size)) : dir.filePath(QStringLiteral("none.img"));
        ReceiverScript script;
        script.opens = portOpens;
        cXmodem1KSend sender(path, factoryFor(&script));

        QCOMPARE(transfer(sender, script), result);
        QCOMPARE(script.opened, opened);
        QVERIFY(script.numbers.isEmpty());
        QCOMPARE(sender.progress(), 0);
    }

    void startsEachRunFromTheFirstBlock()
    {
        ReceiverScript script;
        script.blockAnswers = { ACK, Silence, Silence };
        cXmodem1KSend sender(writeImage(imageOfSize(3000)), factoryFor(&script));
        QCOMPARE(transfer(sender, script), int(cXmodem1KSend::Cancelled));

        script.numbers.clear();
        sender.startTransfer(1000);
        QCOMPARE(sender.result(), int(cXmodem1KSend::Running));
        QCOMPARE(sender.progress(), 0);
        QVERIFY(sender.wait(30000));
        QCOMPARE(sender.result(), int(cXmodem1KSend::Complete));
        QCOMPARE(script.numbers, (QList<int> { 1, 2, 3 }));
    }

    void computesTheXmodemCrc()
    {
        QCOMPARE(cXmodem1KSend::crc16("123456789"), quint16(0x31C3));
        QCOMPARE(cXmodem1KSend::crc16(QByteArray()), quint16(0));
    }
};

QTEST_GUILESS_MAIN(TestXmodem1KSend)
#include "TestXmodem1KSend.moc"
