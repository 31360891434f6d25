#include "UiTestSupport.h"

#include "model/Model.h"
#include "ui/cControlTab.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

class TestControlTab : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void layoutFollowsDeviceType_data();
    void layoutFollowsDeviceType();
    void laterThenFirstGenerationShowsMessageControlAgain();
    void loadingIsNoEdit_data();
    void loadingIsNoEdit();
    void buzzerModesRoundTrip_data();
    void buzzerModesRoundTrip();
    void halvexEnablesBoundaryChoice();
    void outsideBoundarySurvivesUnchangedStore();
    void powerBoxGovernsDisconnectAlert();
    void laterGenerationKeepsPowerBoxAndGeofenceModes();
    void lockDisablesPowerBox();
    void sosMessageFixedUpAndLimited();
    void userEditsReachTabModel_data();
    void userEditsReachTabModel();
    void clickingTheCheckedButtonIsNoEdit();
    void storeIntoOtherModelKeepsSbasInTabModel();

private:
    template <typename T> T* child(const char* name) const { return UiTest::Child<T>(tab, name); }
    bool shown(const char* name) const { return !child<QWidget>(name)->isHidden(); }
    bool enabled(const char* name) const { return child<QWidget>(name)->isEnabledTo(tab); }
    void Load(int type, Model& source);

    Model* model = nullptr;
    cControlTab* tab = nullptr;
    QSignalSpy* edits = nullptr;
};

void TestControlTab::init()
{
    model = new Model;
    tab = new cControlTab(model, nullptr);
    tab->show();
    edits = new QSignalSpy(tab, &TabBase::Edited);
}

void TestControlTab::cleanup()
{
    delete edits;
    delete tab;
    delete model;
}

// As the main window and the state machine do it: type first, then the read.
void TestControlTab::Load(int type, Model& source)
{
    tab->SetDeviceType(type);
    QVERIFY(tab->UpdateTabFromModel(&source));
}

void TestControlTab::layoutFollowsDeviceType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("firstGeneration");
    QTest::addColumn<bool>("sbas");
    QTest::newRow("type 1") << 1 << true << false;
    QTest::newRow("type 2") << 2 << true << true;
    QTest::newRow("type 3") << 3 << false << false;
    QTest::newRow("type 4") << 4 << false << true;
}

void TestControlTab::layoutFollowsDeviceType()
{
    QFETCH(int, type);
    QFETCH(bool, firstGeneration);
    QFETCH(bool, sbas);

    tab->SetDeviceType(type);
    QCOMPARE(tab->DeviceType(), type);
    for (const char* name : { "checkBoxAudibleAlertSOS_v4", "checkBoxAudibleAlertGeofence_v4",
             "checkBoxPowerBoxEnable", "groupBoxGeofenceMessageControl", "groupBox_active_area" })
        QVERIFY2(shown(name) == firstGeneration, name);
    for (const char* name :
        { "groupBoxSOSAudibleAlert_vX", "groupBoxGenofenceAudibleAlert_vX", "groupBoxGeofenceType" })
        QVERIFY2(shown(name) != firstGeneration, name);
    QCOMPARE(enabled("checkBoxSbasEnable"), sbas);
    QCOMPARE(enabled("checkBoxEnablePowerDisconnectAlert"), !firstGeneration);
    QCOMPARE(child<QCheckBox>("checkBoxAudibleAlertGeofence_v4")->text(),
        firstGeneration ? QStringLiteral("Enable audible alert") : QStringLiteral("Enable"));
    for (const char* name : { "checkBoxEnableSosAlert", "lineSosAlertMessage", "checkBoxEnableHalvex",
             "checkBoxEnablePowerDisconnectAlert", "checkBoxSbasEnable" })
        QVERIFY2(shown(name), name);
    QCOMPARE(edits->count(), 0);
}

void TestControlTab::laterThenFirstGenerationShowsMessageControlAgain()
{
    tab->SetDeviceType(3);
    QVERIFY(!shown("groupBoxGeofenceMessageControl"));
    tab->SetDeviceType(1);
    QVERIFY(shown("groupBoxGeofenceMessageControl"));
    QVERIFY(!shown("groupBoxGeofenceType"));
    tab->SetDeviceType(0);
    QVERIFY(shown("groupBoxGeofenceMessageControl"));
    QVERIFY(!enabled("checkBoxSbasEnable"));
}

void TestControlTab::loadingIsNoEdit_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("first generation") << 1;
    QTest::newRow("later generation") << 4;
}

void TestControlTab::loadingIsNoEdit()
{
    QFETCH(int, type);

    Model device;
    Alerts* alerts = device.alerts();
    alerts->setBracketErrorMode(0);
    alerts->setOffBracketMode(0);
    alerts->setInsideGeofenceMode(2);
    alerts->setOutsideGeofenceMode(1);
    alerts->setPowerBoxEnabled(true);
    alerts->setPowerBoxAlertEnabled(true);
    alerts->setSosAlertEnabled(false);
    alerts->setSosMessage(QStringLiteral("HELP ME"));
    alerts->setSosBuzzerMode(2);
    alerts->setGeofenceBuzzerMode(0);
    device.geoBoundary()->setBoundaryEnabled(true);
    device.geoBoundary()->setHalvexFenceEnabled(false);
    device.setSbasEnabled(false);
    Load(type, device);

    QCOMPARE(edits->count(), 0);
    QVERIFY(!tab->IsEdited());
    QVERIFY(child<QRadioButton>("radioButtonBracketErrorNoTx")->isChecked());
    QVERIFY(child<QRadioButton>("radioButtonOffBracketNoTx")->isChecked());
    QVERIFY(!child<QCheckBox>("checkBoxEnableSosAlert")->isChecked());
    QCOMPARE(child<QLineEdit>("lineSosAlertMessage")->text(), QStringLiteral("HELP ME"));
    QVERIFY(child<QCheckBox>("checkBoxEnablePowerDisconnectAlert")->isChecked());
    QVERIFY(child<QCheckBox>("checkBoxEnableHalvex")->isChecked());
    QVERIFY(!child<QCheckBox>("checkBoxSbasEnable")->isChecked());
    if (type == 1) {
        QVERIFY(child<QRadioButton>("radioButtonInsideGeoFenceNoTx")->isChecked());
        QVERIFY(child<QRadioButton>("radioButtonOutsideGeoFenceAlertTx")->isChecked());
        QVERIFY(child<QCheckBox>("checkBoxPowerBoxEnable")->isChecked());
        QVERIFY(child<QCheckBox>("checkBoxAudibleAlertSOS_v4")->isChecked());
        QVERIFY(!child<QCheckBox>("checkBoxAudibleAlertGeofence_v4")->isChecked());
    } else {
        QVERIFY(child<QRadioButton>("radioButtonSOS_AudibleAlertPower")->isChecked());
        QVERIFY(child<QRadioButton>("radioButton_GeofenceAudibleAlertOff")->isChecked());
        QVERIFY(!child<QCheckBox>("checkBoxHalvexGeofence")->isChecked());
        QVERIFY(child<QCheckBox>("checkBoxOperationalFence")->isChecked());
    }
    // The tab model now holds what the device said.
    QCOMPARE(model->alerts()->sosMessage(), QStringLiteral("HELP ME"));
    QCOMPARE(model->alerts()->insideGeofenceMode(), 2);
    QVERIFY(!model->sbasEnabled());
}

void TestControlTab::buzzerModesRoundTrip_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("loaded");
    QTest::addColumn<int>("stored");
    QTest::newRow("first generation, off") << 1 << 0 << 0;
    QTest::newRow("first generation, always") << 2 << 1 << 1;
    QTest::newRow("first generation, with power becomes always") << 1 << 2 << 1;
    QTest::newRow("later generation, off") << 4 << 0 << 0;
    QTest::newRow("later generation, with power") << 4 << 2 << 2;
}

void TestControlTab::buzzerModesRoundTrip()
{
    QFETCH(int, type);
    QFETCH(int, loaded);
    QFETCH(int, stored);

    Model device;
    device.alerts()->setSosBuzzerMode(loaded);
    device.alerts()->setGeofenceBuzzerMode(loaded);
    Load(type, device);
    Model written;
    QVERIFY(tab->UpdateModelFromTab(&written));
    QCOMPARE(written.alerts()->sosBuzzerMode(), stored);
    QCOMPARE(written.alerts()->geofenceBuzzerMode(), stored);
}

void TestControlTab::halvexEnablesBoundaryChoice()
{
    Model device;
    device.geoBoundary()->setBoundaryEnabled(false);
    Load(1, device);
    QVERIFY(!enabled("radioButtonHalvexInsideBoundary"));
    QVERIFY(!enabled("radioButtonHalvexOutsideBoundary"));

    child<QCheckBox>("checkBoxEnableHalvex")->click();
    QVERIFY(enabled("radioButtonHalvexInsideBoundary"));
    QVERIFY(enabled("radioButtonHalvexOutsideBoundary"));
    QCOMPARE(edits->count(), 1);
    QVERIFY(tab->IsEdited());
    QVERIFY(model->geoBoundary()->boundaryEnabled());

    // Unticked again, then a device read with Halvex on: the group must not
    // stay disabled behind its re-enabled buttons.
    child<QCheckBox>("checkBoxEnableHalvex")->click();
    QVERIFY(!enabled("radioButtonHalvexOutsideBoundary"));
    device.geoBoundary()->setBoundaryEnabled(true);
    QVERIFY(tab->UpdateTabFromModel(&device));
    QVERIFY(enabled("radioButtonHalvexOutsideBoundary"));
}

void TestControlTab::outsideBoundarySurvivesUnchangedStore()
{
    Model device;
    device.geoBoundary()->setBoundaryEnabled(true);
    device.geoBoundary()->setInsideBoundary(false);
    Load(2, device);
    QVERIFY(child<QRadioButton>("radioButtonHalvexOutsideBoundary")->isChecked());
    Model written;
    tab->UpdateModelFromTab(&written);
    QVERIFY(!written.geoBoundary()->insideBoundary());
    QVERIFY(written.geoBoundary()->boundaryEnabled());
}

void TestControlTab::powerBoxGovernsDisconnectAlert()
{
    Model device;
    device.alerts()->setPowerBoxEnabled(true);
    device.alerts()->setPowerBoxAlertEnabled(true);
    Load(1, device);
    QVERIFY(enabled("checkBoxEnablePowerDisconnectAlert"));

    child<QCheckBox>("checkBoxPowerBoxEnable")->click();
    QVERIFY(!enabled("checkBoxEnablePowerDisconnectAlert"));
    QCOMPARE(edits->count(), 1);
    QVERIFY(!model->alerts()->powerBoxEnabled());
    QVERIFY(!model->alerts()->powerBoxAlertEnabled());

    child<QCheckBox>("checkBoxPowerBoxEnable")->click();
    QVERIFY(enabled("checkBoxEnablePowerDisconnectAlert"));
    QVERIFY(model->alerts()->powerBoxEnabled());
    QVERIFY(model->alerts()->powerBoxAlertEnabled());

    device.alerts()->setPowerBoxEnabled(false);
    QVERIFY(tab->UpdateTabFromModel(&device));
    QVERIFY(!enabled("checkBoxEnablePowerDisconnectAlert"));
}

// The later generation has no power box control: a store leaves the power
// box flag and the geofence behaviours as they were.
void TestControlTab::laterGenerationKeepsPowerBoxAndGeofenceModes()
{
    Model device;
    device.alerts()->setPowerBoxEnabled(false);
    device.alerts()->setPowerBoxAlertEnabled(false);
    Load(4, device);
    QVERIFY(enabled("checkBoxEnablePowerDisconnectAlert"));
    child<QCheckBox>("checkBoxEnablePowerDisconnectAlert")->click();
    QCOMPARE(edits->count(), 1);

    Model written;
    written.alerts()->setPowerBoxEnabled(true);
    written.alerts()->setInsideGeofenceMode(2);
    tab->UpdateModelFromTab(&written);
    QVERIFY(written.alerts()->powerBoxAlertEnabled());
    QVERIFY(written.alerts()->powerBoxEnabled());
    QCOMPARE(written.alerts()->insideGeofenceMode(), 2);
}

void TestControlTab::lockDisablesPowerBox()
{
    tab->SetDeviceType(1);
    tab->onlockCheckBoxPowerBoxEnable(true);
    QVERIFY(!enabled("checkBoxPowerBoxEnable"));
    tab->onlockCheckBoxPowerBoxEnable(false);
    QVERIFY(enabled("checkBoxPowerBoxEnable"));
}

void TestControlTab::sosMessageFixedUpAndLimited()
{
    auto* line = child<QLineEdit>("lineSosAlertMessage");
    line->clear();
    QTest::keyClicks(line, QStringLiteral("help"));
    QCOMPARE(line->text(), QStringLiteral("HELP"));
    QCOMPARE(model->alerts()->sosMessage(), QStringLiteral("HELP"));
    QCOMPARE(edits->count(), 4);

    line->clear();
    QTest::keyClicks(line, QStringLiteral("abcdefghijklmnopq"));
    QCOMPARE(line->text(), QStringLiteral("ABCDEFGHIJKLMNOP"));
    QCOMPARE(model->alerts()->sosMessage(), QStringLiteral("ABCDEFGHIJKLMNOP"));

    // A character outside the AIS set is refused outright.
    QTest::keyClicks(line, QStringLiteral("{"));
    QCOMPARE(line->text(), QStringLiteral("ABCDEFGHIJKLMNOP"));
}

void TestControlTab::userEditsReachTabModel_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("value");

    QTest::newRow("bracket error stops") << 1 << "radioButtonBracketErrorNoTx"
                                         << "bracketError" << 0;
    QTest::newRow("off-bracket stops") << 4 << "radioButtonOffBracketNoTx"
                                       << "offBracket" << 0;
    QTest::newRow("inside geofence alert") << 1 << "radioButtonInsideGeoFenceAlertTx"
                                           << "inside" << 1;
    QTest::newRow("inside geofence stop") << 2 << "radioButtonInsideGeoFenceNoTx"
                                          << "inside" << 2;
    QTest::newRow("outside geofence stop") << 1 << "radioButtonOutsideGeoFenceNoTx"
                                           << "outside" << 2;
    QTest::newRow("SOS alert off") << 4 << "checkBoxEnableSosAlert"
                                   << "sosAlert" << 0;
    QTest::newRow("SOS audible off (v4)") << 1 << "checkBoxAudibleAlertSOS_v4"
                                          << "sosBuzzer" << 0;
    QTest::newRow("SOS audible with power") << 4 << "radioButtonSOS_AudibleAlertPower"
                                            << "sosBuzzer" << 2;
    QTest::newRow("geofence audible off (v4)") << 2 << "checkBoxAudibleAlertGeofence_v4"
                                               << "geoBuzzer" << 0;
    QTest::newRow("geofence audible off") << 3 << "radioButton_GeofenceAudibleAlertOff"
                                          << "geoBuzzer" << 0;
    QTest::newRow("operational fence off") << 4 << "checkBoxOperationalFence"
                                           << "operational" << 0;
    QTest::newRow("Halvex fence off") << 4 << "checkBoxHalvexGeofence"
                                      << "halvexFence" << 0;
    QTest::newRow("encryption fence off") << 4 << "checkBoxEncryptionGeoFence"
                                          << "encryption" << 0;
    QTest::newRow("disconnect alert on") << 4 << "checkBoxEnablePowerDisconnectAlert"
                                         << "disconnect" << 1;
    QTest::newRow("SBAS off") << 2 << "checkBoxSbasEnable"
                              << "sbas" << 0;
}

void TestControlTab::userEditsReachTabModel()
{
    QFETCH(int, type);
    QFETCH(QString, control);
    QFETCH(QString, field);
    QFETCH(int, value);

    Model device;
    Load(type, device);
    child<QAbstractButton>(control.toLatin1().constData())->click();
    QCOMPARE(edits->count(), 1);
    QVERIFY(tab->IsEdited());

    const Alerts* alerts = model->alerts();
    const GeoBoundary* boundary = model->geoBoundary();
    const QMap<QString, int> fields {
        { "bracketError", alerts->bracketErrorMode() },
        { "offBracket", alerts->offBracketMode() },
        { "inside", alerts->insideGeofenceMode() },
        { "outside", alerts->outsideGeofenceMode() },
        { "sosAlert", alerts->sosAlertEnabled() },
        { "sosBuzzer", alerts->sosBuzzerMode() },
        { "geoBuzzer", alerts->geofenceBuzzerMode() },
        { "operational", boundary->operationalFenceEnabled() },
        { "halvexFence", boundary->halvexFenceEnabled() },
        { "encryption", boundary->encryptionFenceEnabled() },
        { "disconnect", alerts->powerBoxAlertEnabled() },
        { "sbas", model->sbasEnabled() },
    };
    QVERIFY(fields.contains(field));
    QCOMPARE(fields.value(field), value);
}

// Includes the two "normal" radio buttons, whose handlers are connected by
// hand: going back to "Transmit normally" must count as an edit too.
void TestControlTab::clickingTheCheckedButtonIsNoEdit()
{
    Model device;
    Load(1, device);
    for (const char* name : { "radioButtonBracketErrorContinuousTx", "radioButtonInsideGeofenceNormalTx",
             "radioButtonHalvexInsideBoundary" }) {
        child<QAbstractButton>(name)->click();
        QVERIFY2(edits->isEmpty(), name);
    }
    child<QAbstractButton>("radioButtonOutsideGeoFenceAlertTx")->click();
    QCOMPARE(model->alerts()->outsideGeofenceMode(), 1);
    child<QAbstractButton>("radioButtonOutsideGeofenceNormalTx")->click();
    QCOMPARE(model->alerts()->outsideGeofenceMode(), 0);
    QCOMPARE(edits->count(), 2);
}

void TestControlTab::storeIntoOtherModelKeepsSbasInTabModel()
{
    Model device;
    device.setSbasEnabled(true);
    Load(4, device);
    child<QCheckBox>("checkBoxSbasEnable")->click();
    Model written;
    written.setSbasEnabled(true);
    tab->UpdateModelFromTab(&written);
    QVERIFY(written.sbasEnabled());
    QVERIFY(!model->sbasEnabled());
}

QTEST_MAIN(TestControlTab)
#include "TestControlTab.moc"
