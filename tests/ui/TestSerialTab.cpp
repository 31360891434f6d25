#include "UiTestSupport.h"

#include "app/VelmoraApplication.h"
#include "protocol/ConsoleLine.h"
#include "protocol/NmeaSentence.h"
#include "ui/BoundedTextView.h"
#include "ui/SerialTab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

namespace {

const QString invalidText = QStringLiteral("The NMEA Sentence is invalid. It has not been sent.");

QString Framed(const QString& body)
{
    return body + QLatin1Char('*') + NmeaSentence::checksum(body);
}

// How long a line is once stamped and shown in hexadecimal: a time stamp is
// always as long as this one.
int FormattedLength(const QString& line, bool formatted)
{
    ConsoleLine::Options options;
    options.timeStamps = options.hex = formatted;
    return ConsoleLine::Format(line, QString(), QTime(0, 0), options).size();
}

// The text the view marks as found.
QString Marked(const QTextEdit* view)
{
    const QList<QTextEdit::ExtraSelection> marks = view->extraSelections();
    return marks.size() == 1 ? marks.first().cursor.selectedText() : QString();
}

// Whether the text from `start` on shows in a colour of its own: most of its
// pixels are not as light as the view's background or the selection's white.
bool StandsOut(QTextEdit* view, int start, int length)
{
    QTextCursor cursor(view->document());
    cursor.setPosition(start);
    const QPoint from = view->cursorRect(cursor).topLeft();
    cursor.setPosition(start + length);
    const QImage text = view->viewport()->grab(QRect(from, view->cursorRect(cursor).bottomLeft())).toImage();
    int light = 0;
    for (int y = 0; y < text.height(); ++y) {
        for (int x = 0; x < text.width(); ++x)
            light += QColor(text.pixel(x, y)).lightness() >= 0xE8;
    }
    return light * 2 < text.width() * text.height();
}

} // namespace

// Runs once with the "ShowTransmit" setting off and once, for the tests of
// sent lines, with it on (see main below).
class TestSerialTab : public QObject {
    Q_OBJECT

public:
    explicit TestSerialTab(bool showTransmit)
        : showTransmit(showTransmit)
    {
    }

private slots:
    void init();
    void cleanup();
    void controlsFollowTheLink();
    void checksumCompleted_data();
    void checksumCompleted();
    void invalidSentenceRefused_data();
    void invalidSentenceRefused();
    void onlyReturnSends();
    void nothingSentWithoutLink();
    void closingWithTypedLineSendsNothing();
    void rawModeAfterPlusPlusPlus();
    void rawLineEndChosenOnThePage();
    void historyWalksSentLinesAndOutlivesThePage();
    void timeStampsAndHexView();
    void findCountsAndWraps();
    void viewFollowsAtTheBottomOnly();
    void saveViewWritesTheViewWhole();
    void receivedLinesShownUnchanged();
    void backgroundRepliesHeldUntilResume_data();
    void backgroundRepliesHeldUntilResume();
    void pauseHoldsLinesInOrder();
    void pauseBufferBounded_data();
    void pauseBufferBounded();
    void longSessionStillPauses();
    void displayTrimmed_data();
    void displayTrimmed();
    void sentLines();
    void logButtonFollowsTheMainWindow();

private:
    template <typename T> T* child(const char* name) const { return UiTest::Child<T>(tab, name); }
    QString displayed() const { return child<QTextEdit>("textEditReceived")->toPlainText(); }
    QStringList TypeAndSend(const QString& text);
    void ClickPause() { QTest::mouseClick(child<QToolButton>("toolButtonPause"), Qt::LeftButton); }
    void StampAndHex(bool on)
    {
        child<QCheckBox>("checkBoxTimeStamps")->setChecked(on);
        child<QCheckBox>("checkBoxHex")->setChecked(on);
    }

    const bool showTransmit;
    SerialTab* tab = nullptr;
};

void TestSerialTab::init()
{
    tab = new SerialTab(nullptr);
    tab->show();
    tab->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(tab));
    tab->OnOpened();
}

void TestSerialTab::cleanup()
{
    delete tab;
}

// Types into the line and presses the send button; returns what was sent.
QStringList TestSerialTab::TypeAndSend(const QString& text)
{
    QSignalSpy sends(tab, &SerialTab::Send);
    auto* line = child<QLineEdit>("lineSend");
    line->clear();
    QTest::keyClicks(line, text);
    QTest::mouseClick(child<QToolButton>("toolButtonSend"), Qt::LeftButton);
    QStringList sent;
    for (const QList<QVariant>& arguments : sends)
        sent << arguments.at(0).toString();
    return sent;
}

void TestSerialTab::controlsFollowTheLink()
{
    auto* line = child<QLineEdit>("lineSend");
    auto* send = child<QToolButton>("toolButtonSend");
    QVERIFY(line->isEnabled());
    QVERIFY(child<QToolButton>("toolButtonPause")->isEnabled());
    QVERIFY(child<QToolButton>("toolButtonSaveToLog")->isEnabled());
    QVERIFY(!send->isEnabled());
    QTest::keyClicks(line, QStringLiteral("$"));
    QVERIFY(send->isEnabled());

    tab->OnClosed();
    for (const char* name : { "lineSend", "toolButtonSend", "toolButtonPause", "toolButtonSaveToLog" })
        QVERIFY2(!child<QWidget>(name)->isEnabled(), name);
    QVERIFY(child<QWidget>("textEditReceived")->isEnabled());
}

void TestSerialTab::checksumCompleted_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("sent");
    const QString shell = QStringLiteral("$PKRX,0,0,0x00000000,2,appver,0");
    QTest::newRow("shell command without checksum") << shell << Framed(shell) + "\r\n";
    QTest::newRow("with its checksum") << Framed(shell) << Framed(shell) + "\r\n";
    QTest::newRow("AIS query") << "$ECAIQ,SSD" << Framed("$ECAIQ,SSD") + "\r\n";
    QTest::newRow("encapsulated start") << "!AIVDM,1" << Framed("!AIVDM,1") + "\r\n";
}

void TestSerialTab::checksumCompleted()
{
    QFETCH(QString, typed);
    QFETCH(QString, sent);

    QCOMPARE(TypeAndSend(typed), QStringList { sent });
    QVERIFY(child<QLineEdit>("lineSend")->text().isEmpty());
    QVERIFY(!child<QToolButton>("toolButtonSend")->isEnabled());
    QVERIFY(child<QLabel>("labelSendError")->isHidden());
}

void TestSerialTab::invalidSentenceRefused_data()
{
    QTest::addColumn<QString>("typed");
    const QString body = QStringLiteral("$PKRX,0,0,0x00000000,2,appver,0");
    const QString right = NmeaSentence::checksum(body);
    const QString wrong = NmeaSentence::checksum(body + QLatin1Char('1'));
    QTest::newRow("wrong checksum") << body + '*' + wrong;
    QTest::newRow("lower-case checksum") << body + '*' + right.toLower();
    QTest::newRow("no start character") << "hello";
    QTest::newRow("longer than a sentence") << "$GPTXT," + QString(80, QLatin1Char('A'));
}

void TestSerialTab::invalidSentenceRefused()
{
    QFETCH(QString, typed);

    auto* error = child<QLabel>("labelSendError");
    auto* line = child<QLineEdit>("lineSend");
    QVERIFY(TypeAndSend(typed).isEmpty());
    QVERIFY(!error->isHidden());
    QCOMPARE(error->text(), invalidText);
    QCOMPARE(line->text(), typed);
    QVERIFY(line->hasFocus());

    QTest::keyClick(line, Qt::Key_Backspace);
    QVERIFY(error->isHidden());
}

// A half-typed command must not reach the device because the focus moved
// (to "Hex view", say): only Return (or the Send button) sends.
void TestSerialTab::onlyReturnSends()
{
    QSignalSpy sends(tab, &SerialTab::Send);
    auto* line = child<QLineEdit>("lineSend");
    line->setFocus();
    QTest::keyClicks(line, QStringLiteral("$ECAIQ,VSD"));
    QTest::keyClick(line, Qt::Key_Return);
    QCOMPARE(sends.count(), 1);
    QCOMPARE(sends.at(0).at(0).toString(), Framed("$ECAIQ,VSD") + "\r\n");

    QTest::keyClicks(line, QStringLiteral("$ECAIQ,SMM"));
    child<QTextEdit>("textEditReceived")->setFocus();
    QCOMPARE(sends.count(), 1);
    QCOMPARE(line->text(), QStringLiteral("$ECAIQ,SMM"));
}

// The link ends while a line is typed: disabling the line edit takes its
// focus, and the line must stay rather than vanish into nothing.
void TestSerialTab::nothingSentWithoutLink()
{
    QSignalSpy sends(tab, &SerialTab::Send);
    auto* line = child<QLineEdit>("lineSend");
    line->setFocus();
    QTest::keyClicks(line, QStringLiteral("$ECAIQ,SSD"));
    tab->OnClosed();
    tab->OnSend();
    QCOMPARE(sends.count(), 0);
    QCOMPARE(line->text(), QStringLiteral("$ECAIQ,SSD"));
}

// As the page goes, the focus leaves the line edit: nothing may be sent, and
// the half-deleted page must not be touched.
void TestSerialTab::closingWithTypedLineSendsNothing()
{
    QSignalSpy sends(tab, &SerialTab::Send);
    auto* line = child<QLineEdit>("lineSend");
    line->setFocus();
    QTest::keyClicks(line, QStringLiteral("$ECAIQ,SSD"));
    delete tab;
    tab = nullptr;
    QCOMPARE(sends.count(), 0);
}

void TestSerialTab::rawModeAfterPlusPlusPlus()
{
    QCOMPARE(TypeAndSend(QStringLiteral("hello")), QStringList());
    QCOMPARE(TypeAndSend(QStringLiteral("+++")), QStringList { "+++\r\n" });
    QCOMPARE(TypeAndSend(QStringLiteral("hello")), QStringList { "hello\r\n" });
    QCOMPARE(TypeAndSend(QStringLiteral("$ECAIQ,SSD*00")), QStringList { "$ECAIQ,SSD*00\r\n" });
    QCOMPARE(TypeAndSend(QStringLiteral("$ECAIQ,SSD")), QStringList { "$ECAIQ,SSD\r\n" });
}

void TestSerialTab::rawLineEndChosenOnThePage()
{
    child<QComboBox>("comboBoxLineEnd")->setCurrentIndex(1);
    QCOMPARE(TypeAndSend(QStringLiteral("+++")), QStringList { "+++\r\n" });
    QCOMPARE(TypeAndSend(QStringLiteral("ls")), QStringList { "ls\n" });
    child<QComboBox>("comboBoxLineEnd")->setCurrentIndex(2);
    QCOMPARE(TypeAndSend(QStringLiteral("ls")), QStringList { "ls\r" });
}

// Refused lines are not kept; the next page (the next start of the program)
// gets the lines through the application's settings.
void TestSerialTab::historyWalksSentLinesAndOutlivesThePage()
{
    TypeAndSend(QStringLiteral("$ECAIQ,SSD"));
    TypeAndSend(QStringLiteral("$ECAIQ,VSD"));
    TypeAndSend(QStringLiteral("$ECAIQ,VSD*00"));
    auto* line = child<QLineEdit>("lineSend");
    line->setText(QStringLiteral("$EC"));
    QTest::keyClick(line, Qt::Key_Up);
    QCOMPARE(line->text(), QStringLiteral("$ECAIQ,VSD"));
    QVERIFY(child<QLabel>("labelSendError")->isHidden());
    QTest::keyClick(line, Qt::Key_Up);
    QCOMPARE(line->text(), QStringLiteral("$ECAIQ,SSD"));
    QTest::keyClick(line, Qt::Key_Down);
    QTest::keyClick(line, Qt::Key_Down);
    QCOMPARE(line->text(), QStringLiteral("$EC"));

    QCOMPARE(VelmoraApplication::Instance()->ConsoleHistory().last(), QStringLiteral("$ECAIQ,VSD"));
    delete tab;
    init();
    line = child<QLineEdit>("lineSend");
    QTest::keyClick(line, Qt::Key_Up);
    QCOMPARE(line->text(), QStringLiteral("$ECAIQ,VSD"));
}

void TestSerialTab::timeStampsAndHexView()
{
    StampAndHex(true);
    tab->OnReceived(QStringLiteral("$GNRMC,1*00\n"));
    tab->OnReceived(QStringLiteral(">"));
    const QRegularExpression shown(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\\.\\d{3} \\$GNRMC,1\\*00  \\| 24 47 4E 52 4D 43 2C 31 2A 30 30 0A\n"
                                                  "\\d\\d:\\d\\d:\\d\\d\\.\\d{3} >  \\| 3E\n$"));
    QTRY_VERIFY2(shown.match(displayed()).hasMatch(), qPrintable(displayed()));
}

void TestSerialTab::findCountsAndWraps()
{
    tab->OnReceived(QStringLiteral("$GNRMC,1\nadc = 5\n$gnrmc,2\n$GNGSA\n$GNRMC,3\n"));
    auto* view = child<QTextEdit>("textEditReceived");
    QTRY_VERIFY(!displayed().isEmpty());
    QTest::keyClick(view, Qt::Key_F, Qt::ControlModifier);
    auto* find = child<QLineEdit>("lineFind");
    QVERIFY(find->isVisible());
    QVERIFY(find->hasFocus());
    QTest::keyClicks(find, QStringLiteral("gnrmc"));
    auto* count = child<QLabel>("labelFindCount");
    QCOMPARE(count->text(), QStringLiteral("1 of 3"));
    QTest::keyClick(find, Qt::Key_Return);
    QCOMPARE(count->text(), QStringLiteral("2 of 3"));
    QVERIFY(StandsOut(view, displayed().indexOf(QLatin1String("gnrmc")), 5));
    QCOMPARE(Marked(view), QStringLiteral("gnrmc"));
    QTest::keyClick(find, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(find, Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(count->text(), QStringLiteral("3 of 3"));

    // Lines arriving do not take the found text away.
    tab->OnReceived(QStringLiteral("$GNRMC,4\n"));
    QTRY_VERIFY(displayed().endsWith(QLatin1String(",4\n")));
    QCOMPARE(Marked(view), QStringLiteral("GNRMC"));

    QTest::keyClicks(find, QStringLiteral("x"));
    QCOMPARE(count->text(), QStringLiteral("No matches"));
    QTest::keyClick(find, Qt::Key_Escape);
    QVERIFY(!find->isVisible());
}

// As in a terminal: at the bottom the view shows each new line, whatever is
// selected; scrolled up, it stays for reading.
void TestSerialTab::viewFollowsAtTheBottomOnly()
{
    auto* view = child<QTextEdit>("textEditReceived");
    QScrollBar* bar = view->verticalScrollBar();
    const auto receive = [this](const QString& tag) {
        for (int line = 0; line < 100; ++line)
            tab->OnReceived(tag + QString::number(line) + QLatin1Char('\n'));
        QTRY_VERIFY(displayed().endsWith(tag + QStringLiteral("99\n")));
    };
    receive(QStringLiteral("a"));
    QTextCursor selection(view->document());
    selection.movePosition(QTextCursor::End);
    selection.movePosition(QTextCursor::PreviousBlock, QTextCursor::KeepAnchor);
    view->setTextCursor(selection);
    receive(QStringLiteral("b"));
    QVERIFY(bar->maximum() > 0);
    QTRY_COMPARE(bar->value(), bar->maximum());

    view->moveCursor(QTextCursor::End);
    bar->setValue(0);
    receive(QStringLiteral("c"));
    QCOMPARE(bar->value(), 0);
}

void TestSerialTab::saveViewWritesTheViewWhole()
{
    tab->OnReceived(QStringLiteral("$GNRMC,1*00\n\u00e9\n"));
    QTRY_VERIFY(!displayed().isEmpty());
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("view.txt"));
    QString error;
    QVERIFY(tab->SaveView(path, &error));
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(saved.readAll()), displayed());

    QVERIFY(!tab->SaveView(folder.filePath(QStringLiteral("missing/view.txt")), &error));
    QVERIFY2(error.contains(QLatin1String("view.txt")), qPrintable(error));
}

void TestSerialTab::receivedLinesShownUnchanged()
{
    tab->OnReceived(QStringLiteral("$GNRMC,1*00\n"));
    tab->OnReceived(QStringLiteral("ADC = 12 "));
    tab->OnReceived(QStringLiteral("$PKRX,255,batt,0,2*00\n"));
    QTRY_COMPARE(displayed(), QStringLiteral("$GNRMC,1*00\nADC = 12 $PKRX,255,batt,0,2*00\n"));
}

void TestSerialTab::backgroundRepliesHeldUntilResume_data()
{
    QTest::addColumn<QString>("reply");
    QTest::newRow("version") << "$PKRX,255,appver,0,050200.02.01.00*39\n";
    QTest::newRow("serial number") << "$PKRX,255,getserno,0,AB12*00\n";
    QTest::newRow("security") << "$PKRX,SAC,R,A,1,0*00\n";
}

void TestSerialTab::backgroundRepliesHeldUntilResume()
{
    QFETCH(QString, reply);

    tab->OnReceived(QStringLiteral("before\n"));
    tab->OnReceived(reply);
    tab->OnReceived(QStringLiteral("after\n"));
    QTRY_COMPARE(displayed(), QStringLiteral("before\nafter\n"));

    ClickPause();
    ClickPause();
    QTRY_COMPARE(displayed(), QStringLiteral("before\nafter\n") + reply);
}

void TestSerialTab::pauseHoldsLinesInOrder()
{
    tab->OnReceived(QStringLiteral("1\n"));
    QTRY_COMPARE(displayed(), QStringLiteral("1\n"));
    ClickPause();
    tab->OnReceived(QStringLiteral("2\n"));
    tab->OnReceived(QStringLiteral("3\n"));
    QTest::qWait(100);
    QCOMPARE(displayed(), QStringLiteral("1\n"));
    ClickPause();
    QTRY_COMPARE(displayed(), QStringLiteral("1\n2\n3\n"));
    tab->OnReceived(QStringLiteral("4\n"));
    QTRY_COMPARE(displayed(), QStringLiteral("1\n2\n3\n4\n"));
}

void TestSerialTab::pauseBufferBounded_data()
{
    QTest::addColumn<bool>("formatted");
    QTest::newRow("as received") << false;
    QTest::newRow("time stamps and hex") << true;
}

void TestSerialTab::pauseBufferBounded()
{
    QFETCH(bool, formatted);
    StampAndHex(formatted);
    ClickPause();
    const QString line = QString(81, QLatin1Char('p')) + QLatin1Char('\n');
    int held = 0;
    while (held < SerialTab::PauseBufferLimit) {
        tab->OnReceived(line);
        held += FormattedLength(line, formatted);
    }
    tab->OnReceived(QStringLiteral("lost\n"));
    QTest::qWait(100);
    QVERIFY(displayed().isEmpty());
    ClickPause();
    QTRY_COMPARE(displayed().size(), held);
    QVERIFY(!displayed().contains(QLatin1String("lost")));
}

// Hours of the program's own polling must not use up the room of a pause.
void TestSerialTab::longSessionStillPauses()
{
    const QString reply = QStringLiteral("$PKRX,255,getserno,0,AB12*00\n");
    const int replies = SerialTab::PauseBufferLimit / reply.size() + 1;
    for (int i = 0; i < replies; ++i)
        tab->OnReceived(i == 0 ? QStringLiteral("$PKRX,255,getserno,0,OLDEST*00\n") : reply);
    ClickPause();
    tab->OnReceived(QStringLiteral("paused\n"));
    ClickPause();
    QTRY_VERIFY(displayed().endsWith(reply + QStringLiteral("paused\n")));
    QVERIFY(displayed().size() <= SerialTab::HeldRepliesLimit + 7);
    QVERIFY(displayed().startsWith(QLatin1String("$PKRX,255,getserno")));
    QVERIFY(!displayed().contains(QLatin1String("OLDEST")));
}

void TestSerialTab::displayTrimmed_data()
{
    pauseBufferBounded_data();
}

void TestSerialTab::displayTrimmed()
{
    QFETCH(bool, formatted);
    StampAndHex(formatted);
    const QString line = QString(99, QLatin1Char('r')) + QLatin1Char('\n');
    const int lineLength = FormattedLength(line, formatted);
    const int full = BoundedTextView::MaxLength / lineLength * lineLength;
    for (int i = 0; i < BoundedTextView::MaxLength / lineLength; ++i)
        tab->OnReceived(line);
    auto* view = child<QTextEdit>("textEditReceived");
    QTRY_COMPARE(BoundedTextView::Length(view), full);
    const QString last = QStringLiteral("last\n");
    tab->OnReceived(last);
    const int lastLength = FormattedLength(last, formatted);
    const int trimmed = full + lastLength - BoundedTextView::TrimLength;
    QTRY_COMPARE(BoundedTextView::Length(view), full + lastLength > BoundedTextView::MaxLength ? trimmed : full + lastLength);
    QVERIFY(displayed().endsWith(QLatin1String("last") + (formatted ? QStringLiteral("  | 6C 61 73 74 0A\n") : QStringLiteral("\n"))));
}

void TestSerialTab::sentLines()
{
    const QString sentence = QStringLiteral("$PKRX,0,0,0x00000000,2,getserno,0*47\r\n");
    tab->OnReceived(QStringLiteral("in\n"));
    tab->OnSent(sentence);
    ClickPause();
    tab->OnSent(sentence);
    const QString shown = showTransmit ? "in\nOUT > " + sentence.trimmed() + '\n' : QStringLiteral("in\n");
    QTRY_COMPARE(displayed(), shown);
    if (showTransmit) {
        QTextCursor out(child<QTextEdit>("textEditReceived")->document());
        out.setPosition(displayed().indexOf(QLatin1String("OUT")) + 1);
        QTextCursor in(out.document());
        in.setPosition(1);
        QVERIFY(out.charFormat().foreground() != in.charFormat().foreground());
    }
    ClickPause();
    // Held sent lines come back without the prefix.
    QTRY_COMPARE(displayed(), showTransmit ? shown + sentence.trimmed() + '\n' : shown);
}

// The main window alone knows whether a log runs: a click asks, and the
// button changes only when told.
void TestSerialTab::logButtonFollowsTheMainWindow()
{
    auto* button = child<QToolButton>("toolButtonSaveToLog");
    QSignalSpy saves(tab, &SerialTab::Save);
    QCOMPARE(button->text(), QStringLiteral("Log to file"));

    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(saves.count(), 1);
    QCOMPARE(saves.at(0).at(0).toBool(), false);
    QVERIFY(!button->isChecked());

    tab->SetLogging(true);
    QVERIFY(button->isChecked());
    QCOMPARE(button->text(), QStringLiteral("Stop Log"));
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(saves.at(1).at(0).toBool(), true);
    QVERIFY(button->isChecked());

    tab->SetLogging(false);
    QVERIFY(!button->isChecked());
    QCOMPARE(button->text(), QStringLiteral("Log To File"));
}

// The console reads "ShowTransmit" once, when it is made, from the
// application's settings: each pass gets an application of its own over the
// same throw-away settings folder.
int main(int argc, char** argv)
{
    QTemporaryDir settingsFolder;
    qputenv("XDG_CONFIG_HOME", settingsFolder.path().toLocal8Bit());
    int failures = 0;
    for (const bool showTransmit : { false, true }) {
        {
            QSettings settings(QStringLiteral("Norwake"), QStringLiteral("velmora"));
            settings.setValue(QStringLiteral("ShowTransmit"), showTransmit);
        }
        VelmoraApplication application(argc, argv);
        if (application.ShowTransmit() != showTransmit) {
            qCritical("the ShowTransmit setting did not reach the application");
            return 1;
        }
        TestSerialTab test(showTransmit);
        QStringList arguments = application.arguments();
        if (showTransmit)
            arguments << QStringLiteral("sentLines") << QStringLiteral("pauseHoldsLinesInOrder");
        failures += QTest::qExec(&test, arguments);
    }
    return failures;
}

#include "TestSerialTab.moc"
