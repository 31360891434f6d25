#include "broadcast/BroadcastComparison.h"
#include "model/Model.h"

#include <QtTest>

// A decoded broadcast held against the settings read from the device.
class TestBroadcastComparison : public QObject {
    Q_OBJECT

private slots:
    void init();
    void differingFieldsAreMarked();
    void unreadOrForeignIsNotCompared();

private:
    // Own message 24 of 235000123.
    static AisMessage Part(char part);
    static AisMessage PartB();
    static QMap<QString, BroadcastField> ByLabel(const QList<BroadcastField>& fields);

    Model m_model;
    BroadcastSettings m_settings;
};

void TestBroadcastComparison::init()
{
    m_model.mmsi()->setText(QStringLiteral("235000123"));
    m_model.staticData()->setVesselName(QStringLiteral("SEA BREEZ"));
    m_model.staticData()->setCallSign(QStringLiteral("MABC12"));
    m_model.staticData()->setDimensionMetres(StaticData::DimensionA, 7);
    m_model.staticData()->setDimensionMetres(StaticData::DimensionB, 3);
    m_model.staticData()->setDimensionMetres(StaticData::DimensionC, 2);
    m_model.staticData()->setDimensionMetres(StaticData::DimensionD, 1);
    m_model.vesselData()->setVesselType(37);
    m_settings = BroadcastSettings();
    m_settings.TakeVessel(m_model);
}

AisMessage TestBroadcastComparison::Part(char part)
{
    AisMessage message;
    message.type = 24;
    message.part = QLatin1Char(part);
    message.mmsi = 235000123;
    message.own = true;
    return message;
}

AisMessage TestBroadcastComparison::PartB()
{
    AisMessage message = Part('B');
    message.callSign = QStringLiteral("MABC12");
    message.shipType = 37;
    message.toBow = 7;
    message.toStern = 3;
    message.toPort = 2;
    message.toStarboard = 2;
    return message;
}

QMap<QString, BroadcastField> TestBroadcastComparison::ByLabel(const QList<BroadcastField>& fields)
{
    QMap<QString, BroadcastField> byLabel;
    for (const BroadcastField& field : fields)
        byLabel.insert(field.label, field);
    return byLabel;
}

void TestBroadcastComparison::differingFieldsAreMarked()
{
    AisMessage partA = Part('A');
    partA.shipName = QStringLiteral("SEA BREEZE");
    const auto name = ByLabel(BroadcastComparison::Compare(partA, &m_settings));
    QVERIFY(!name.value(QStringLiteral("MMSI")).differs);
    QVERIFY(name.value(QStringLiteral("Name")).differs);
    QCOMPARE(name.value(QStringLiteral("Name")).configured, QStringLiteral("SEA BREEZ"));
    QVERIFY(name.value(QStringLiteral("Name")).note.contains(QLatin1String("\"SEA BREEZE\"")));

    QStringList differing;
    for (const BroadcastField& field : BroadcastComparison::Compare(PartB(), &m_settings))
        if (field.differs)
            differing << field.label;
    QCOMPARE(differing, QStringList { QStringLiteral("Dimension D (starboard)") });
}

void TestBroadcastComparison::unreadOrForeignIsNotCompared()
{
    BroadcastSettings mmsiOnly;
    mmsiOnly.TakeMmsi(m_model);
    const auto unread = ByLabel(BroadcastComparison::Compare(PartB(), &mmsiOnly));
    QCOMPARE(unread.value(QStringLiteral("Call sign")).configured, QStringLiteral("not read"));
    QVERIFY(!unread.value(QStringLiteral("Dimension D (starboard)")).differs);

    AisMessage other = PartB();
    other.own = false;
    for (const BroadcastField& field : BroadcastComparison::Compare(other, &m_settings))
        QVERIFY2(field.configured.isEmpty() && !field.differs, qPrintable(field.label));
}

QTEST_GUILESS_MAIN(TestBroadcastComparison)
#include "TestBroadcastComparison.moc"
