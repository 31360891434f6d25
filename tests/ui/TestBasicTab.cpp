#include "UiTestSupport.h"

#include "app/JobNames.h"
#include "model/Model.h"
#include "ui/BasicTab.h"
#include "ui/MainWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QSpinBox>
#include <QToolButton>

class TestBasicTab : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void controlsFollowTheLink();
    void mmsiEditableOnlyWhileUnprogrammed_data();
    void mmsiEditableOnlyWhileUnprogrammed();
    void programmeButtonFollowsValidity_data();
    void programmeButtonFollowsValidity();
    void powerInterfaceByDeviceType_data();
    void powerInterfaceByDeviceType();
    void programmeSendsAfterConfirmation();
    void programmeCancelledSendsNothing();
    void programmeRefusesShortMmsi();
    void deviceActionsAskNoConfirmation_data();
    void deviceActionsAskNoConfirmation();

private:
    template <typename T> T* child(const char* name) const { return UiTest::Child<T>(tab, name); }
    void Connect(int deviceType);
    void LoadFromDevice(const QString& mmsi, const QString& name = QStringLiteral("SEA SPRITE"));

    MainWindow* window = nullptr;
    BasicTab* tab = nullptr;
    Model* tabModel = nullptr;
};

void TestBasicTab::init()
{
    window = new MainWindow;
    window->show();
    tab = window->GetBasicTab();
    tabModel = VelmoraApplication::Instance()->GetTabModel();
    tabModel->reset();
}

void TestBasicTab::cleanup()
{
    delete window;
}

// As the state machine drives the window: link up, device identified, idle.
void TestBasicTab::Connect(int deviceType)
{
    window->OnConnected();
    window->OnAISType(deviceType);
    window->OnUpdateUiControls(false);
}

void TestBasicTab::LoadFromDevice(const QString& mmsi, const QString& name)
{
    Model* transport = VelmoraApplication::Instance()->GetTransportModel();
    transport->reset();
    transport->mmsi()->setText(mmsi);
    transport->staticData()->setVesselName(name);
    transport->staticData()->setCallSign(QStringLiteral("GBXY"));
    window->OnUpdateTabFromTransportModel(MainWindow::TabBasic);
}

void TestBasicTab::controlsFollowTheLink()
{
    const char* const linked[] = { "toolButtonMMSIInfo", "lineVesselName", "lineCallSign", "comboVesselType",
        "spinBoxDimensionA", "spinBoxDimensionB", "spinBoxDimensionC", "spinBoxDimensionD" };
    for (const char* name : linked)
        QVERIFY2(!child<QWidget>(name)->isEnabledTo(tab), name);
    QVERIFY(!child<QWidget>("lineMMSI")->isEnabledTo(tab));
    QVERIFY(!child<QWidget>("toolButtonProgramme")->isEnabledTo(tab));
    QVERIFY(child<QWidget>("pushButtonClearId")->isEnabledTo(tab));
    QVERIFY(child<QWidget>("radioButtonDimensionFeet")->isEnabledTo(tab));

    Connect(1);
    for (const char* name : linked)
        QVERIFY2(child<QWidget>(name)->isEnabledTo(tab), name);

    window->OnDisconnected(false);
    for (const char* name : linked)
        QVERIFY2(!child<QWidget>(name)->isEnabledTo(tab), name);
    for (const char* name : { "lineMMSI", "toolButtonProgramme", "pushButtonClearId", "pushButtonDeepSleep" })
        QVERIFY2(!child<QWidget>(name)->isEnabledTo(tab), name);
}

void TestBasicTab::mmsiEditableOnlyWhileUnprogrammed_data()
{
    QTest::addColumn<QString>("mmsi");
    QTest::addColumn<bool>("editable");
    QTest::addColumn<QString>("shown");

    QTest::newRow("not programmed") << "000000000" << true << "";
    QTest::newRow("empty") << "" << true << "";
    QTest::newRow("programmed") << "235123456" << false << "235123456";
}

void TestBasicTab::mmsiEditableOnlyWhileUnprogrammed()
{
    QFETCH(QString, mmsi);
    QFETCH(bool, editable);
    QFETCH(QString, shown);

    Connect(1);
    LoadFromDevice(mmsi);
    auto* field = child<QLineEdit>("lineMMSI");
    QCOMPARE(field->isEnabled(), editable);
    QCOMPARE(field->text(), shown);
    QCOMPARE(tabModel->mmsi()->text(), mmsi);
}

void TestBasicTab::programmeButtonFollowsValidity_data()
{
    QTest::addColumn<QString>("mmsi");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("complete") << "235123456"
                              << "SEA SPRITE" << true;
    QTest::newRow("short MMSI is intermediate") << "2351234"
                                                << "SEA SPRITE" << true;
    QTest::newRow("lower case is intermediate") << "235123456"
                                                << "Sea Sprite" << true;
    QTest::newRow("name outside the character set") << "235123456"
                                                    << "SEA~SPRITE" << false;
}

void TestBasicTab::programmeButtonFollowsValidity()
{
    QFETCH(QString, mmsi);
    QFETCH(QString, name);
    QFETCH(bool, enabled);

    Connect(1);
    LoadFromDevice(mmsi, name);
    QCOMPARE(child<QToolButton>("toolButtonProgramme")->isEnabled(), enabled);
}

void TestBasicTab::powerInterfaceByDeviceType_data()
{
    QTest::addColumn<int>("deviceType");
    QTest::addColumn<bool>("shown");

    QTest::newRow("first generation") << 1 << true;
    QTest::newRow("first generation v2") << 2 << true;
    QTest::newRow("type 3") << 3 << false;
    QTest::newRow("later generation") << 4 << false;
}

void TestBasicTab::powerInterfaceByDeviceType()
{
    QFETCH(int, deviceType);
    QFETCH(bool, shown);

    Connect(deviceType);
    Model* transport = VelmoraApplication::Instance()->GetTransportModel();
    transport->reset();
    transport->alerts()->setPowerBoxEnabled(true);
    window->OnUpdateTabFromTransportModel(MainWindow::TabBasic);
    auto* power = child<QCheckBox>("checkBox_PowerInterface");
    QCOMPARE(power->isVisibleTo(tab), shown);
    if (!shown) {
        tabModel->alerts()->setPowerBoxEnabled(true);
        tab->UpdateModelFromTab(nullptr);
        QVERIFY(tabModel->alerts()->powerBoxEnabled());
        return;
    }
    QVERIFY(power->isChecked());
    QSignalSpy edits(tab, &TabBase::Edited);
    power->setChecked(false);
    QCOMPARE(edits.count(), 1);
    QVERIFY(!tabModel->alerts()->powerBoxEnabled());
}

void TestBasicTab::programmeSendsAfterConfirmation()
{
    Connect(1);
    LoadFromDevice(QStringLiteral("000000000"));
    QTest::keyClicks(child<QLineEdit>("lineMMSI"), QStringLiteral("235123456"));
    // Typed in feet; the device is sent whole metres.
    child<QAbstractButton>("radioButtonDimensionFeet")->click();
    child<QSpinBox>("spinBoxDimensionA")->setValue(66);
    child<QSpinBox>("spinBoxDimensionB")->setValue(16);
    child<QSpinBox>("spinBoxDimensionC")->setValue(10);
    child<QSpinBox>("spinBoxDimensionD")->setValue(7);
    QCOMPARE(tabModel->mmsi()->text(), QStringLiteral("235123456"));

    QSignalSpy sends(window, &MainWindow::SendTab);
    QString confirmed;
    UiTest::AnswerNextModal([&confirmed](QWidget* dialog) {
        confirmed = dialog->objectName() + QLatin1Char('|')
            + dialog->findChild<QLabel*>(QStringLiteral("labelMMSI"))->text() + QLatin1Char('|')
            + dialog->findChild<QLabel*>(QStringLiteral("labelDimensions"))->text();
        UiTest::ClickButton(dialog, "okButton");
    });
    child<QToolButton>("toolButtonProgramme")->click();
    QCOMPARE(confirmed,
        QStringLiteral(
            "BasicConfirmDialog|235123456|A 20 m (66 ft), B 5 m (16 ft), C 3 m (10 ft), D 2 m (7 ft)"));
    QCOMPARE(sends.count(), 1);
    QCOMPARE(sends.first().first().toInt(), 0);
    QVERIFY(!child<QWidget>("pushButtonClearId")->isEnabledTo(tab));
    QVERIFY(!child<QWidget>("pushButtonDeepSleep")->isEnabledTo(tab));
}

void TestBasicTab::programmeCancelledSendsNothing()
{
    Connect(4);
    LoadFromDevice(QStringLiteral("235123456"));
    QSignalSpy sends(window, &MainWindow::SendTab);
    UiTest::AnswerNextModal([](QWidget* dialog) { UiTest::ClickButton(dialog, "cancelButton"); });
    child<QToolButton>("toolButtonProgramme")->click();
    QCOMPARE(sends.count(), 0);
    QVERIFY(child<QWidget>("pushButtonClearId")->isEnabledTo(tab));
}

void TestBasicTab::programmeRefusesShortMmsi()
{
    Connect(1);
    LoadFromDevice(QStringLiteral("000000000"));
    QTest::keyClicks(child<QLineEdit>("lineMMSI"), QStringLiteral("2351234"));
    QSignalSpy sends(window, &MainWindow::SendTab);
    QString title;
    UiTest::AnswerNextModal([&title](QWidget* box) {
        title = box->windowTitle();
        static_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
    });
    child<QToolButton>("toolButtonProgramme")->click();
    QCOMPARE(title, QStringLiteral("MMSI Invalid"));
    QCOMPARE(sends.count(), 0);
}

void TestBasicTab::deviceActionsAskNoConfirmation_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("job");

    QTest::newRow("clear paired bracket") << "pushButtonClearId" << JobName::ClearHolder;
    QTest::newRow("deep sleep") << "pushButtonDeepSleep" << JobName::DeepSleep;
}

void TestBasicTab::deviceActionsAskNoConfirmation()
{
    QFETCH(QString, button);
    QFETCH(QString, job);

    Connect(1);
    QStringList requests;
    connect(window, &MainWindow::ClearId, this, [&requests] { requests << JobName::ClearHolder; });
    connect(window, &MainWindow::DeepSleep, this, [&requests] { requests << JobName::DeepSleep; });
    auto* pressed = child<QPushButton>(button.toLatin1().constData());
    QTest::mouseClick(pressed, Qt::LeftButton);
    QCOMPARE(requests, QStringList { job });
    QVERIFY(!child<QWidget>("pushButtonClearId")->isEnabledTo(tab));
    QVERIFY(!child<QWidget>("pushButtonDeepSleep")->isEnabledTo(tab));
    window->OnJobCompleted(job, false);
    QVERIFY(child<QWidget>("pushButtonClearId")->isEnabledTo(tab));
    QVERIFY(child<QWidget>("pushButtonDeepSleep")->isEnabledTo(tab));
}

VELMORA_UI_TEST_MAIN(TestBasicTab)
#include "TestBasicTab.moc"
