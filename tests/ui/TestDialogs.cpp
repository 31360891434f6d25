#include "model/StaticData.h"
#include "ui/AboutDialog.h"
#include "ui/BasicConfirmDialog.h"
#include "ui/DisconnectDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

class TestDialogs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void confirmationRows_data();
    void confirmationRows();
    void confirmationButtons();
    void dialogsHaveNoHelpButton();
};

namespace {

QString labelText(QWidget* dialog, const char* name)
{
    auto* label = dialog->findChild<QLabel*>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<no label %1>").arg(QLatin1String(name));
}

} // namespace

void TestDialogs::initTestCase()
{
    Q_INIT_RESOURCE(velmora);
}

void TestDialogs::confirmationRows_data()
{
    QTest::addColumn<int>("deviceType");
    QTest::addColumn<bool>("powerInterface");
    QTest::addColumn<bool>("powerRowShown");
    QTest::addColumn<QString>("powerText");

    QTest::newRow("first generation, unit off") << 1 << false << true << "Disabled";
    QTest::newRow("first generation v2, unit on") << 2 << true << true << "Enabled";
    QTest::newRow("type 3") << 3 << true << false << "";
    QTest::newRow("later generation") << 4 << false << false << "";
}

void TestDialogs::confirmationRows()
{
    QFETCH(int, deviceType);
    QFETCH(bool, powerInterface);
    QFETCH(bool, powerRowShown);
    QFETCH(QString, powerText);

    StaticData dimensions;
    const int metres[] = { 20, 5, 3, 2 };
    for (int which = 0; which < StaticData::DimensionCount; ++which)
        dimensions.setDimensionMetres(StaticData::Dimension(which), metres[which]);
    BasicConfirmDialog dialog(deviceType, QStringLiteral("235123456"), QStringLiteral("SEA SPRITE"),
        QStringLiteral("GBXY"), 37, dimensions, false, powerInterface, nullptr);
    QCOMPARE(dialog.objectName(), QStringLiteral("BasicConfirmDialog"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Confirm Vessel Data"));
    QCOMPARE(labelText(&dialog, "labelMMSI"), QStringLiteral("235123456"));
    QCOMPARE(labelText(&dialog, "labelShipName"), QStringLiteral("SEA SPRITE"));
    QCOMPARE(labelText(&dialog, "labelCallSign"), QStringLiteral("GBXY"));
    QCOMPARE(labelText(&dialog, "labelVesselType"), QStringLiteral("37 = Vessel - Pleasure craft"));
    QCOMPARE(labelText(&dialog, "labelDimensions"), QStringLiteral("A 20 m, B 5 m, C 3 m, D 2 m"));
    for (const char* name : { "label_PowerBox", "label_PowerBoxEnabled" })
        QCOMPARE(dialog.findChild<QLabel*>(QLatin1String(name))->isVisibleTo(&dialog), powerRowShown);
    if (powerRowShown)
        QCOMPARE(labelText(&dialog, "label_PowerBoxEnabled"), powerText);
}

void TestDialogs::confirmationButtons()
{
    BasicConfirmDialog dialog(1, QString(), QString(), QString(), -1, StaticData(), false, false, nullptr);
    auto* write = dialog.findChild<QPushButton*>(QStringLiteral("okButton"));
    QCOMPARE(write->text(), QStringLiteral("Write Configuration"));
    dialog.open();
    write->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    dialog.open();
    dialog.findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void TestDialogs::dialogsHaveNoHelpButton()
{
    BasicConfirmDialog confirm(4, QString(), QString(), QString(), -1, StaticData(), false, false, nullptr);
    DisconnectDialog done(nullptr);
    AboutDialog about(nullptr);
    for (QDialog* dialog : std::initializer_list<QDialog*> { &confirm, &done, &about }) {
        QVERIFY(!(dialog->windowFlags() & Qt::WindowContextHelpButtonHint));
        QVERIFY(dialog->windowFlags() & Qt::WindowTitleHint);
        QVERIFY(!dialog->windowIcon().isNull());
    }
    QCOMPARE(done.windowTitle(), QStringLiteral("Programming Complete"));
    QVERIFY(!done.findChild<QLabel*>(QStringLiteral("labelTick"))->pixmap(Qt::ReturnByValue).isNull());
}

QTEST_MAIN(TestDialogs)
#include "TestDialogs.moc"
