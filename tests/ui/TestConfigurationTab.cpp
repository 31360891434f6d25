#include "UiTestSupport.h"

#include "model/Model.h"
#include "ui/ConfigurationTab.h"
#include "ui/MainWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

class TestConfigurationTab : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void loadingIsNoEdit();
    void sameValueIsNoEdit();
    void textsAreFixedUp();
    void refusedCharacters_data();
    void refusedCharacters();
    void emptyTextsAreStoredAsMissing();
    void unitSwitchConverts();
    void modelIntervalsSelectTheirIndex_data();
    void modelIntervalsSelectTheirIndex();
    void highRateRule_data();
    void highRateRule();
    void positionIntervalFixesLogInterval();
    void frequencyStoredInHertz();
    void frequencyBFollowsItsCheckBox();
    void loadCopiesTransportModel();

private:
    template <typename T> T* child(const char* name) const { return UiTest::Child<T>(tab, name); }

    MainWindow* window = nullptr;
    Model* model = nullptr;
    ConfigurationTab* tab = nullptr;
    QSignalSpy* edits = nullptr;
};

void TestConfigurationTab::init()
{
    window = new MainWindow;
    model = new Model(window);
    tab = new ConfigurationTab(model, window);
    tab->show();
    edits = new QSignalSpy(tab, &TabBase::Edited);
}

void TestConfigurationTab::cleanup()
{
    delete edits;
    delete window;
}

void TestConfigurationTab::loadingIsNoEdit()
{
    Model transport;
    transport.mmsi()->setText(QStringLiteral("235123456"));
    transport.staticData()->setVesselName(QStringLiteral("SEA SPRITE"));
    transport.staticData()->setDimensionMetres(StaticData::DimensionA, 40);
    transport.vesselData()->setVesselType(37);
    transport.messages()->setPositionInterval(60);
    transport.messages()->setChannelAFrequency(161500000);
    QVERIFY(tab->UpdateTabFromModel(&transport));
    QCOMPARE(edits->count(), 0);
    QVERIFY(!tab->IsEdited());
    QCOMPARE(child<QLineEdit>("lineVesselName")->text(), QStringLiteral("SEA SPRITE"));
    QCOMPARE(child<QSpinBox>("spinBoxDimensionA")->value(), 40);
    QCOMPARE(child<QComboBox>("comboVesselType")->currentData().toInt(), 37);
    QCOMPARE(child<QComboBox>("comboBoxPositionMessageInterval")->currentIndex(), 1);
}

void TestConfigurationTab::sameValueIsNoEdit()
{
    auto* sog = child<QSpinBox>("spinBoxPositionHighSOG");
    sog->setEnabled(true);
    sog->setValue(12);
    QCOMPARE(edits->count(), 1);
    QCOMPARE(edits->first().first().value<QWidget*>(), static_cast<QWidget*>(tab));
    QCOMPARE(model->messages()->highRateSog(), 12);
    model->messages()->setHighRateSog(20);
    tab->UpdateTabFromModel(nullptr);
    sog->setValue(20);
    QCOMPARE(edits->count(), 1);
}

void TestConfigurationTab::textsAreFixedUp()
{
    auto* callSign = child<QLineEdit>("lineCallSign");
    QTest::keyClicks(callSign, QStringLiteral("gbxy"));
    QCOMPARE(callSign->text(), QStringLiteral("GBXY"));
    QCOMPARE(model->staticData()->callSign(), QStringLiteral("GBXY"));
    QCOMPARE(callSign->cursorPosition(), 4);
    QCOMPARE(edits->count(), 4);
}

void TestConfigurationTab::refusedCharacters_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("tilde") << "lineVesselName"
                           << "AB~C"
                           << "ABC";
    QTest::newRow("brace") << "lineCallSign"
                           << "A{B"
                           << "AB";
    QTest::newRow("21st character") << "lineVesselName" << QString(21, QLatin1Char('x'))
                                    << QString(20, QLatin1Char('X'));
    QTest::newRow("8th call sign character") << "lineCallSign"
                                             << "ABCDEFGH"
                                             << "ABCDEFG";
    QTest::newRow("letter in MMSI") << "lineMMSI"
                                    << "23a5"
                                    << "235";
}

void TestConfigurationTab::refusedCharacters()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    auto* edit = child<QLineEdit>(field.toLatin1().constData());
    edit->clear();
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), shown);
}

void TestConfigurationTab::emptyTextsAreStoredAsMissing()
{
    model->staticData()->setVesselName(QStringLiteral("@@@@"));
    model->staticData()->setCallSign(QStringLiteral("GBXY"));
    tab->UpdateTabFromModel(nullptr);
    QVERIFY(child<QLineEdit>("lineVesselName")->text().isEmpty());

    auto* callSign = child<QLineEdit>("lineCallSign");
    callSign->selectAll();
    QTest::keyClick(callSign, Qt::Key_Delete);
    QCOMPARE(model->staticData()->callSign(), QStringLiteral("@"));
    QCOMPARE(model->staticData()->vesselName(), QStringLiteral("@"));
}

void TestConfigurationTab::unitSwitchConverts()
{
    model->staticData()->setDimensionMetres(StaticData::DimensionA, 10);
    model->staticData()->setDimensionMetres(StaticData::DimensionC, 6);
    tab->UpdateTabFromModel(nullptr);
    auto* a = child<QSpinBox>("spinBoxDimensionA");
    auto* c = child<QSpinBox>("spinBoxDimensionC");
    QCOMPARE(a->maximum(), 511);
    QCOMPARE(c->maximum(), 63);

    child<QRadioButton>("radioButtonDimensionFeet")->setChecked(true);
    QCOMPARE(a->value(), 33);
    QCOMPARE(c->value(), 20);
    QCOMPARE(a->maximum(), 1677);
    QCOMPARE(c->maximum(), 206);
    QCOMPARE(child<QLabel>("labelUnitA")->text(), QStringLiteral("ft"));
    QCOMPARE(edits->count(), 0);

    a->setValue(34);
    a->setValue(33);
    QVERIFY(qAbs(model->staticData()->dimension(StaticData::DimensionA) - 10.058f) < 0.001f);

    child<QRadioButton>("radioButtonDimensionMeters")->setChecked(true);
    QCOMPARE(a->value(), 10);
    QCOMPARE(c->value(), 6);
    QCOMPARE(a->maximum(), 511);
    QCOMPARE(c->maximum(), 63);
    QCOMPARE(child<QLabel>("labelUnitD")->text(), QStringLiteral("m"));
}

void TestConfigurationTab::modelIntervalsSelectTheirIndex_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("shown");

    QTest::newRow("between entries") << 45 << "1 minute";
    QTest::newRow("exact") << 1800 << "30 minutes";
    QTest::newRow("beyond the list") << 3600 << "30 seconds";
}

void TestConfigurationTab::modelIntervalsSelectTheirIndex()
{
    QFETCH(int, seconds);
    QFETCH(QString, shown);
    model->messages()->setPositionInterval(seconds);
    tab->UpdateTabFromModel(nullptr);
    QCOMPARE(child<QComboBox>("comboBoxPositionMessageInterval")->currentText(), shown);
}

void TestConfigurationTab::highRateRule_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("highRate");
    QTest::addColumn<int>("highInterval");
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("highRateAfter");
    QTest::addColumn<int>("highIntervalAfter");

    // Indexes: 0 "30 seconds", 2 "2 minutes", 3 "5 minutes", 4 "10 minutes".
    QTest::newRow("checking at 30 seconds") << 0 << false << 0 << "check" << false << 0;
    QTest::newRow("high rate slower than normal") << 3 << true << 2 << "high 4" << true << 2;
    QTest::newRow("normal rate made faster") << 4 << true << 3 << "position 2" << true << 1;
    QTest::newRow("normal rate made 30 seconds") << 4 << true << 0 << "position 0" << false << 0;
    QTest::newRow("shorter high rate is kept") << 4 << true << 0 << "high 3" << true << 3;
}

void TestConfigurationTab::highRateRule()
{
    QFETCH(int, position);
    QFETCH(bool, highRate);
    QFETCH(int, highInterval);
    QFETCH(QString, change);
    QFETCH(bool, highRateAfter);
    QFETCH(int, highIntervalAfter);

    Messages* messages = model->messages();
    messages->setPositionIntervalIndex(position);
    messages->setHighRateEnabled(highRate);
    messages->setHighRateIntervalIndex(highInterval);
    tab->UpdateTabFromModel(nullptr);

    auto* check = child<QCheckBox>("checkBoxPositionHigh");
    auto* high = child<QComboBox>("comboBoxPositionMessageIntervalHigh");
    const QStringList words = change.split(QLatin1Char(' '));
    if (words.first() == QLatin1String("check"))
        check->setChecked(true);
    else if (words.first() == QLatin1String("high"))
        high->setCurrentIndex(words.last().toInt());
    else
        child<QComboBox>("comboBoxPositionMessageInterval")->setCurrentIndex(words.last().toInt());

    QCOMPARE(check->isChecked(), highRateAfter);
    QCOMPARE(high->currentIndex(), highIntervalAfter);
    QCOMPARE(high->isEnabled(), highRateAfter);
    QCOMPARE(messages->highRateEnabled(), highRateAfter);
    QCOMPARE(messages->highRateIntervalIndex(), highIntervalAfter);
}

void TestConfigurationTab::positionIntervalFixesLogInterval()
{
    QSignalSpy fix(tab, &ConfigurationTab::signalFixLogInterval);
    child<QComboBox>("comboBoxPositionMessageInterval")->setCurrentIndex(5);
    QCOMPARE(fix.count(), 1);
    QCOMPARE(fix.first().first().toInt(), 1200);
    QCOMPARE(model->messages()->positionInterval(), 1200);
    QCOMPARE(model->messages()->staticDataInterval(), 1200);
    QVERIFY(tab->IsEdited());
}

void TestConfigurationTab::frequencyStoredInHertz()
{
    auto* a = child<QDoubleSpinBox>("doubleSpinBoxTxFreqA");
    a->setValue(161.5);
    a->setValue(161.975);
    QCOMPARE(model->messages()->channelAFrequency(), 161975000);
    QCOMPARE(edits->count(), 2);
}

void TestConfigurationTab::frequencyBFollowsItsCheckBox()
{
    auto* enable = child<QCheckBox>("checkBoxEnableFreqB");
    auto* b = child<QDoubleSpinBox>("doubleSpinBoxTxFreqB");
    QVERIFY(b->isEnabled());
    enable->setChecked(false);
    QVERIFY(!b->isEnabled());
    QVERIFY(!model->messages()->channelBEnabled());
    QCOMPARE(edits->count(), 1);
}

void TestConfigurationTab::loadCopiesTransportModel()
{
    Model transport;
    transport.setSerialNumber(QStringLiteral("SN0042"));
    transport.setAppVersion(QStringLiteral("050200.01.02.03"));
    transport.voyageLog()->setLogPeriod(600);
    transport.messages()->setChannelBFrequency(161500000);
    tab->UpdateTabFromModel(&transport);
    QCOMPARE(model->serialNumber(), QStringLiteral("SN0042"));
    QCOMPARE(model->voyageLog()->logPeriod(), 600);
    QCOMPARE(child<QLabel>("labelSerialNumber")->text(), QStringLiteral("SN0042"));
    QCOMPARE(child<QLabel>("labelVersion")->text(), QStringLiteral("050200.01.02.03"));
    QCOMPARE(child<QDoubleSpinBox>("doubleSpinBoxTxFreqB")->value(), 161.5);
}

VELMORA_UI_TEST_MAIN(TestConfigurationTab)
#include "TestConfigurationTab.moc"
