#include "model/Model.h"
#include "ui/cDeviceActionsTab.h"

#include <QPushButton>
#include <QtTest>

class TestDeviceActionsTab : public QObject {
    Q_OBJECT

private slots:
    void buttonDisablesGroupAndRequestsOnce_data();
    void buttonDisablesGroupAndRequestsOnce();
    void loadAndStoreChangeNothing();
};

void TestDeviceActionsTab::buttonDisablesGroupAndRequestsOnce_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("request");
    QTest::newRow("reset configuration") << "pushButtonResetConfig" << QByteArray(SIGNAL(ResetConfig()));
    QTest::newRow("reset vessel") << "pushButtonResetVessel" << QByteArray(SIGNAL(ResetVessel()));
    QTest::newRow("clear bracket") << "pushButtonClearId" << QByteArray(SIGNAL(ClearId()));
    QTest::newRow("deep sleep") << "pushButtonDeepSleep" << QByteArray(SIGNAL(DeepSleep()));
}

void TestDeviceActionsTab::buttonDisablesGroupAndRequestsOnce()
{
    QFETCH(QString, button);
    QFETCH(QByteArray, request);

    Model model;
    cDeviceActionsTab tab(&model, nullptr);
    tab.show();
    QList<QSignalSpy*> spies;
    for (const char* signal :
        { SIGNAL(ResetConfig()), SIGNAL(ResetVessel()), SIGNAL(ClearId()), SIGNAL(DeepSleep()) })
        spies << new QSignalSpy(&tab, signal);
    const QList<QPushButton*> buttons = tab.findChildren<QPushButton*>();
    QCOMPARE(buttons.size(), 4);

    auto* pressed = tab.findChild<QPushButton*>(button);
    QVERIFY(pressed);
    QTest::mouseClick(pressed, Qt::LeftButton);
    for (QSignalSpy* spy : spies)
        QCOMPARE(spy->count(), spy->signal() == request.mid(1) ? 1 : 0);
    for (QPushButton* other : buttons)
        QVERIFY2(!other->isEnabledTo(&tab), qPrintable(other->objectName()));

    // A second press while the job runs cannot happen.
    QTest::mouseClick(pressed, Qt::LeftButton);
    for (QSignalSpy* spy : spies)
        QVERIFY(spy->count() <= 1);

    tab.EnableDeviceActions(true);
    for (QPushButton* other : buttons)
        QVERIFY(other->isEnabledTo(&tab));
    qDeleteAll(spies);
}

void TestDeviceActionsTab::loadAndStoreChangeNothing()
{
    Model model;
    cDeviceActionsTab tab(&model, nullptr);
    QSignalSpy edits(&tab, &TabBase::Edited);
    Model device;
    device.mmsi()->setText(QStringLiteral("235123456"));
    QVERIFY(tab.UpdateTabFromModel(&device));
    QVERIFY(tab.UpdateModelFromTab(&device));
    QVERIFY(model.mmsi()->isUnset());
    QCOMPARE(edits.count(), 0);
}

QTEST_MAIN(TestDeviceActionsTab)
#include "TestDeviceActionsTab.moc"
