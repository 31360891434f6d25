#include "UiTestSupport.h"

#include "model/Model.h"
#include "ui/BroadcastsView.h"
#include "ui/MainWindow.h"

#include <QLabel>
#include <QTreeWidget>

// The broadcasts page: what the device broadcasts beside its settings.
class TestBroadcastsView : public QObject {
    Q_OBJECT

private slots:
    void nameDifferingFromTheSettingsIsMarked();
};

void TestBroadcastsView::nameDifferingFromTheSettingsIsMarked()
{
    BroadcastsView view;
    Model device;
    device.mmsi()->setText(QStringLiteral("235000123"));
    device.staticData()->setVesselName(QStringLiteral("SEA BREEZ"));
    view.OnSettingsRead(MainWindow::TabBasic, device);
    // Message 24 part A of 235000123 naming SEA BREEZE.
    view.OnLine(QStringLiteral("!AIVDO,1,1,,,H3P7A>i<D6098DE`D0000000000,2*37\n"));
    auto* tree = UiTest::Child<QTreeWidget>(&view, "treeBroadcasts");
    auto* summary = UiTest::Child<QLabel>(&view, "labelBroadcastSummary");
    QCOMPARE(tree->topLevelItemCount(), 1);
    const QTreeWidgetItem* message = tree->topLevelItem(0);
    QCOMPARE(message->text(0), QStringLiteral("Static data, part A (24)"));
    QCOMPARE(message->text(1), QStringLiteral("1 seen, the last 0 s ago"));
    QVERIFY(!message->child(0)->font(0).bold()); // the MMSI agrees
    const QTreeWidgetItem* name = message->child(1);
    QCOMPARE(QStringList({ name->text(0), name->text(1), name->text(2) }),
        QStringList({ "Name", "SEA BREEZE", "SEA BREEZ" }));
    QVERIFY(name->font(1).bold());
    const QString note
        = QStringLiteral("Name: the device broadcasts \"SEA BREEZE\", its settings say \"SEA BREEZ\".");
    QCOMPARE(name->toolTip(1), note);
    QCOMPARE(summary->text(), note);

    // Another device's MMSI: the name it was read to hold is not this one's.
    device.mmsi()->setText(QStringLiteral("235000999"));
    view.OnSettingsRead(MainWindow::TabDiagnostics, device);
    QCOMPARE(tree->topLevelItem(0)->child(1)->text(2), QStringLiteral("not read"));
    QCOMPARE(summary->text(),
        QStringLiteral("MMSI: the device broadcasts \"235000123\", its settings say \"235000999\"."));
}

QTEST_MAIN(TestBroadcastsView)
#include "TestBroadcastsView.moc"
