#include "model/Model.h"

#include <QtTest>

class TestModel : public QObject {
    Q_OBJECT

private slots:
    void defaults()
    {
        Model model;
        QVERIFY(model.appVersion().isEmpty());
        QVERIFY(model.serialNumber().isEmpty());
        QVERIFY(model.sbasEnabled());
        QCOMPARE(model.mmsi()->text(), QString("000000000"));
        QVERIFY(model.mmsi()->isUnset());
        QVERIFY(model.staticData()->vesselName().isEmpty());
        QCOMPARE(model.staticData()->dimension(StaticData::DimensionD), 0.0f);
        QCOMPARE(model.vesselData()->vesselType(), -1);
        QCOMPARE(model.vesselData()->destination(), QString("UNKNOWN"));
        QCOMPARE(model.messages()->positionInterval(), 300);
        QCOMPARE(model.messages()->staticDataInterval(), 600);
        QCOMPARE(model.messages()->highRateInterval(), 60);
        QCOMPARE(model.messages()->highRateSog(), 10);
        QVERIFY(!model.messages()->highRateEnabled());
        QCOMPARE(model.messages()->channelAFrequency(), 161975000);
        QCOMPARE(model.messages()->channelBFrequency(), 162025000);
        QVERIFY(model.messages()->channelBEnabled());
        QCOMPARE(model.alerts()->bracketErrorMode(), 1);
        QCOMPARE(model.alerts()->insideGeofenceMode(), 0);
        QVERIFY(model.alerts()->sosAlertEnabled());
        QVERIFY(!model.alerts()->powerBoxEnabled());
        QCOMPARE(model.alerts()->sosMessage(), QString("MAYDAY MAYDAY"));
        QCOMPARE(model.alerts()->geofenceBuzzerMode(), 1);
        QVERIFY(!model.geoBoundary()->boundaryEnabled());
        QVERIFY(model.geoBoundary()->insideBoundary());
        QVERIFY(model.geoBoundary()->encryptionFenceEnabled());
        QVERIFY(model.voyageLog()->logEnabled());
        QCOMPARE(model.voyageLog()->logPeriod(), 3600);
        QCOMPARE(model.voyageLog()->logDistance(), 500);
        QCOMPARE(model.diagnostics()->batteryVoltage(), QString("0"));
        QCOMPARE(model.diagnostics()->batteryStatus(), QString("10"));
        QCOMPARE(model.diagnostics()->adcReading(), QString("No Data"));
        QCOMPARE(model.diagnostics()->ledStatus(), QString("100"));
        QCOMPARE(model.diagnostics()->powerBoxStatus(), QString("99"));
        QVERIFY(!model.value("anything").isValid());
    }

    void mmsiUnset_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("unset");
        QTest::newRow("empty") << "" << true;
        QTest::newRow("all zero") << "000000000" << true;
        QTest::newRow("programmed") << "000000001" << false;
        QTest::newRow("short zeros") << "0" << false;
    }

    void mmsiUnset()
    {
        QFETCH(QString, text);
        QFETCH(bool, unset);
        MMSI mmsi;
        mmsi.setText(text);
        QCOMPARE(mmsi.isUnset(), unset);
    }

    void staticDataInterval_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("staticData");
        QTest::newRow("30") << 30 << 90;
        QTest::newRow("60") << 60 << 180;
        QTest::newRow("61") << 61 << 122;
        QTest::newRow("300") << 300 << 600;
        QTest::newRow("301") << 301 << 301;
        QTest::newRow("1800") << 1800 << 1800;
        QTest::newRow("from the device, huge") << 2000000000 << 2000000000;
        QTest::newRow("from the device, negative") << -2000000000 << std::numeric_limits<int>::min();
    }

    void staticDataInterval()
    {
        QFETCH(int, position);
        QFETCH(int, staticData);
        Messages messages;
        messages.setPositionInterval(position);
        QCOMPARE(messages.positionInterval(), position);
        QCOMPARE(messages.staticDataInterval(), staticData);
    }

    void intervalIndex_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("index");
        QTest::newRow("below the shortest") << 10 << 0;
        QTest::newRow("between") << 45 << 1;
        QTest::newRow("exact") << 300 << 3;
        QTest::newRow("longest") << 1800 << 6;
        QTest::newRow("beyond the longest") << 2000 << 0;
    }

    void intervalIndex()
    {
        QFETCH(int, seconds);
        QFETCH(int, index);
        Messages messages;
        messages.setPositionInterval(seconds);
        messages.setHighRateInterval(seconds);
        QCOMPARE(messages.positionIntervalIndex(), index);
        QCOMPARE(messages.highRateIntervalIndex(), index);
    }

    void intervalFromIndex_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("staticData");
        QTest::newRow("first") << 0 << 30 << 90;
        QTest::newRow("middle") << 4 << 600 << 600;
        QTest::newRow("last") << 6 << 1800 << 1800;
        QTest::newRow("past the end") << 7 << 300 << 600;
        QTest::newRow("negative") << -1 << 300 << 600;
    }

    void intervalFromIndex()
    {
        QFETCH(int, index);
        QFETCH(int, seconds);
        QFETCH(int, staticData);
        Messages messages;
        messages.setPositionInterval(1200);
        messages.setPositionIntervalIndex(index);
        messages.setHighRateIntervalIndex(index);
        QCOMPARE(messages.positionInterval(), seconds);
        QCOMPARE(messages.staticDataInterval(), staticData);
        QCOMPARE(messages.highRateInterval(), seconds);
    }

    void frequencyInMHz_data()
    {
        QTest::addColumn<int>("hertz");
        QTest::addColumn<double>("megahertz");
        QTest::newRow("channel 87B") << 161975000 << 161.975;
        QTest::newRow("below a kilohertz is dropped") << 161975999 << 161.975;
        QTest::newRow("channel 88B") << 162025000 << 162.025;
    }

    void frequencyInMHz()
    {
        QFETCH(int, hertz);
        QFETCH(double, megahertz);
        Messages messages;
        messages.setChannelAFrequency(hertz);
        messages.setChannelBFrequency(hertz);
        QCOMPARE(messages.channelAFrequencyMHz(), megahertz);
        QCOMPARE(messages.channelBFrequencyMHz(), megahertz);
    }

    void frequencyFromMHz_data()
    {
        QTest::addColumn<double>("megahertz");
        QTest::addColumn<int>("hertz");
        QTest::newRow("whole kilohertz") << 161.975 << 161975000;
        QTest::newRow("half kilohertz") << 161.9755 << 161975500;
        QTest::newRow("half hertz rounds up") << 161.9750005 << 161975001;
        QTest::newRow("out of range saturates") << 1.0e10 << std::numeric_limits<int>::max();
    }

    void frequencyFromMHz()
    {
        QFETCH(double, megahertz);
        QFETCH(int, hertz);
        Messages messages;
        messages.setChannelAFrequencyMHz(megahertz);
        messages.setChannelBFrequencyMHz(megahertz);
        QCOMPARE(messages.channelAFrequency(), hertz);
        QCOMPARE(messages.channelBFrequency(), hertz);
    }

    void dimensions_data()
    {
        QTest::addColumn<float>("metres");
        QTest::addColumn<int>("wholeMetres");
        QTest::addColumn<int>("feet");
        QTest::newRow("half up") << 10.5f << 11 << 34;
        QTest::newRow("below half") << 10.4f << 10 << 34;
        QTest::newRow("zero") << 0.0f << 0 << 0;
        QTest::newRow("beyond int saturates")
            << 1.0e30f << std::numeric_limits<int>::max() << std::numeric_limits<int>::max();
    }

    void dimensions()
    {
        QFETCH(float, metres);
        QFETCH(int, wholeMetres);
        QFETCH(int, feet);
        StaticData data;
        for (int i = 0; i < StaticData::DimensionCount; ++i) {
            const auto which = static_cast<StaticData::Dimension>(i);
            data.setDimension(which, metres);
            QCOMPARE(data.dimensionMetres(which), wholeMetres);
            QCOMPARE(data.dimensionFeet(which), feet);
        }
    }

    void dimensionsFromFeetAndMetres()
    {
        StaticData data;
        data.setDimensionFeet(StaticData::DimensionB, 33);
        QVERIFY(qAbs(data.dimension(StaticData::DimensionB) - 10.058f) < 0.001f);
        QCOMPARE(data.dimensionMetres(StaticData::DimensionB), 10);
        QCOMPARE(data.dimensionFeet(StaticData::DimensionB), 33);
        data.setDimensionMetres(StaticData::DimensionC, 7);
        QCOMPARE(data.dimension(StaticData::DimensionC), 7.0f);
    }

    void dimensionOutsideTheEnumerationIsIgnored()
    {
        StaticData data;
        data.setDimension(StaticData::DimensionCount, 5.0f);
        data.setDimension(static_cast<StaticData::Dimension>(-1), 5.0f);
        QCOMPARE(data.dimension(StaticData::DimensionCount), 0.0f);
        QCOMPARE(data.dimension(StaticData::DimensionA), 0.0f);
        QCOMPARE(data.dimension(StaticData::DimensionD), 0.0f);
    }

    void vesselTypeText_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("first") << 30 << "30 = Vessel - Fishing";
        QTest::newRow("long") << 58
                              << "58 = Medical transports (as defined in the 1949 Geneva Conventions and "
                                 "Additional Protocols)";
        QTest::newRow("last") << 80 << "80 = Tanker";
        QTest::newRow("not specified") << -1 << "<Not specified>";
        QTest::newRow("gap") << 40 << "";
        QTest::newRow("other category") << 81 << "";
        QTest::newRow("zero") << 0 << "";
    }

    void vesselTypeText()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        QCOMPARE(VesselData::vesselTypeText(code), text);
    }

    void resetKeepsSettingsAndForgetsIdentity()
    {
        Model model;
        fill(model);
        model.reset();

        QVERIFY(model.appVersion().isEmpty());
        QVERIFY(model.serialNumber().isEmpty());
        QVERIFY(model.sbasEnabled());
        QVERIFY(model.mmsi()->isUnset());
        QVERIFY(model.staticData()->callSign().isEmpty());
        QCOMPARE(model.staticData()->dimension(StaticData::DimensionA), 0.0f);
        QCOMPARE(model.vesselData()->vesselType(), -1);
        QCOMPARE(model.vesselData()->destination(), QString("UNKNOWN"));
        QCOMPARE(model.alerts()->sosMessage(), QString("MAYDAY MAYDAY"));
        QCOMPARE(model.alerts()->outsideGeofenceMode(), 0);
        QVERIFY(!model.alerts()->powerBoxEnabled());

        QCOMPARE(model.messages()->positionInterval(), 30);
        QCOMPARE(model.messages()->channelBFrequency(), 161975000);
        QVERIFY(model.geoBoundary()->boundaryEnabled());
        QCOMPARE(model.voyageLog()->logPeriod(), 600);
        QCOMPARE(model.diagnostics()->batteryVoltage(), QString("4100"));
    }

    void diagnosticsResetRestoresItsDefaults()
    {
        Model model;
        fill(model);
        model.diagnostics()->reset();
        QCOMPARE(model.diagnostics()->batteryVoltage(), QString("0"));
        QCOMPARE(model.diagnostics()->adcReading(), QString("No Data"));
        QCOMPARE(model.diagnostics()->powerBoxStatus(), QString("99"));
    }

    void geoFenceResetEmptiesIt()
    {
        GeoFence fence;
        fence.addCorner(QPointF(4.5, 52.1));
        QCOMPARE(fence.corners().size(), 1);
        fence.reset();
        QVERIFY(fence.corners().isEmpty());
    }

    void copiesBetweenModelsByValue()
    {
        Model transport;
        Model tab;
        fill(transport);

        *tab.mmsi() = *transport.mmsi();
        *tab.staticData() = *transport.staticData();
        *tab.vesselData() = *transport.vesselData();
        *tab.messages() = *transport.messages();
        *tab.alerts() = *transport.alerts();
        *tab.geoBoundary() = *transport.geoBoundary();
        *tab.voyageLog() = *transport.voyageLog();

        QCOMPARE(tab.mmsi()->text(), QString("244123456"));
        QCOMPARE(tab.staticData()->vesselName(), QString("MY BOAT"));
        QCOMPARE(tab.staticData()->dimension(StaticData::DimensionD), 3.0f);
        QCOMPARE(tab.vesselData()->destination(), QString("HARBOUR"));
        QCOMPARE(tab.messages()->staticDataInterval(), 90);
        QCOMPARE(tab.messages()->channelBFrequency(), 161975000);
        QCOMPARE(tab.alerts()->sosMessage(), QString("HELP"));
        QCOMPARE(tab.alerts()->geofenceBuzzerMode(), 2);
        QVERIFY(!tab.geoBoundary()->halvexFenceEnabled());
        QCOMPARE(tab.voyageLog()->logDistance(), 250);

        // A copy is independent of its source, and stays in its own model.
        transport.reset();
        transport.alerts()->setSosMessage("OTHER");
        QCOMPARE(tab.mmsi()->text(), QString("244123456"));
        QCOMPARE(tab.alerts()->sosMessage(), QString("HELP"));
        QVERIFY(tab.alerts()->parent() == nullptr);
        QVERIFY(tab.alerts() != transport.alerts());

        // Only what was copied changes: the identity stays the tab model's own.
        QVERIFY(tab.appVersion().isEmpty());
        QCOMPARE(tab.diagnostics()->batteryVoltage(), QString("0"));
    }

private:
    static void fill(Model& model)
    {
        model.setAppVersion("050200.01.02.03");
        model.setSerialNumber("12345");
        model.setSbasEnabled(false);
        model.mmsi()->setText("244123456");
        model.staticData()->setVesselName("MY BOAT");
        model.staticData()->setCallSign("CALL1");
        model.staticData()->setDimension(StaticData::DimensionA, 10.0f);
        model.staticData()->setDimension(StaticData::DimensionD, 3.0f);
        model.vesselData()->setVesselType(37);
        model.vesselData()->setDestination("HARBOUR");
        model.messages()->setPositionInterval(30);
        model.messages()->setChannelBFrequency(161975000);
        model.alerts()->setSosMessage("HELP");
        model.alerts()->setOutsideGeofenceMode(2);
        model.alerts()->setPowerBoxEnabled(true);
        model.alerts()->setGeofenceBuzzerMode(2);
        model.geoBoundary()->setBoundaryEnabled(true);
        model.geoBoundary()->setHalvexFenceEnabled(false);
        model.voyageLog()->setLogPeriod(600);
        model.voyageLog()->setLogDistance(250);
        model.diagnostics()->setBatteryVoltage("4100");
        model.diagnostics()->setAdcReading("ADC = 512");
        model.diagnostics()->setPowerBoxStatus("1");
    }
};

QTEST_GUILESS_MAIN(TestModel)
#include "TestModel.moc"
