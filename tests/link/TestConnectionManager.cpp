#include "link/cConnectionManager.h"

#include <QApplication>
#include <QMessageBox>
#include <QtTest>

namespace {

QList<QMessageBox*> VisibleBoxes()
{
    QList<QMessageBox*> boxes;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box && box->isVisible()) {
            boxes.append(box);
        }
    }
    return boxes;
}

} // namespace

class TestConnectionManager : public QObject {
    Q_OBJECT

private slots:
    void showsTheConnectPromptOnce()
    {
        cConnectionManager manager;
        manager.ShowConnectPrompt();
        manager.ShowConnectPrompt();
        const QList<QMessageBox*> boxes = VisibleBoxes();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.first()->text(),
            QStringLiteral("Insert / Connect an Identifier.\n\nApplication is attempting to connect."));
        QVERIFY(!boxes.first()->isModal());
        manager.OnClearDisplayError();
        QVERIFY(VisibleBoxes().isEmpty());
    }

    void showsOneErrorUntilCleared()
    {
        cConnectionManager manager;
        manager.OnDisplayError(QStringLiteral("first"), QStringLiteral("why"));
        manager.OnDisplayError(QStringLiteral("second"), QStringLiteral("why"));
        const QList<QMessageBox*> boxes = VisibleBoxes();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.first()->text(), QStringLiteral("first"));
        QCOMPARE(boxes.first()->informativeText(), QStringLiteral("why"));
        manager.OnClearDisplayError();
        manager.OnDisplayError(QStringLiteral("fourth"), QString());
        QCOMPARE(VisibleBoxes().first()->text(), QStringLiteral("fourth"));
    }

    void opensNoBoxWhileSuppressed()
    {
        cConnectionManager manager;
        manager.SetPromptsSuppressed(true);
        manager.OnDisplayError(QStringLiteral("during a file dialog"), QString());
        manager.ShowConnectPrompt();
        QVERIFY(VisibleBoxes().isEmpty());
        manager.SetPromptsSuppressed(false);
        manager.OnDisplayError(QStringLiteral("after it"), QString());
        QCOMPARE(VisibleBoxes().size(), 1);
        manager.StopPrompting();
        QVERIFY(VisibleBoxes().isEmpty());
        // A file dialog closing during shut-down does not bring boxes back.
        manager.SetPromptsSuppressed(false);
        manager.OnDisplayError(QStringLiteral("closing"), QString());
        QVERIFY(VisibleBoxes().isEmpty());
    }
};

QTEST_MAIN(TestConnectionManager)
#include "TestConnectionManager.moc"
