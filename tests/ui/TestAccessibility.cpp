#include "ProgramTour.h"

#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAccessible>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabBar>

// Every page of the three modes and every dialog, as the screenshot tour
// walks them: a screen reader has a name for each control, and Tab moves
// through a page in the order the eye reads it.
class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void controlsNamedAndInReadingOrder();
};

namespace {

bool IsControl(const QWidget* widget)
{
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget)
        || qobject_cast<const QAbstractSpinBox*>(widget) || qobject_cast<const QComboBox*>(widget)
        || (qobject_cast<const QAbstractSlider*>(widget) && !qobject_cast<const QScrollBar*>(widget))
        || qobject_cast<const QAbstractItemView*>(widget) || qobject_cast<const QTabBar*>(widget)
        || qobject_cast<const QTextEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget);
}

// The parts of a compound control (a spin box's line edit, a view's
// scroll bars) are named by the control itself.
bool IsOwnControl(const QWidget* widget)
{
    if (!IsControl(widget))
        return false;
    for (const QWidget* parent = widget->parentWidget(); parent; parent = parent->parentWidget()) {
        if (IsControl(parent))
            return false;
    }
    return true;
}

QString Describe(const QWidget* widget)
{
    return QStringLiteral("%1 %2").arg(
        QLatin1String(widget->metaObject()->className()), widget->objectName());
}

// The page that fills a stop: the dialog itself, or the window's current page.
QWidget* PageOf(QWidget* shown)
{
    auto* window = qobject_cast<MainWindow*>(shown);
    if (!window)
        return shown;
    auto* tabs = qobject_cast<QTabWidget*>(window->centralWidget());
    return tabs ? tabs->currentWidget() : window->centralWidget();
}

// The controls on screen: a hidden button may have no text until it shows.
QStringList Unnamed(QWidget* shown)
{
    QStringList unnamed;
    for (QWidget* control : shown->findChildren<QWidget*>()) {
        if (!control->isVisible() || !IsOwnControl(control))
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        if (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty())
            unnamed.append(Describe(control) + QStringLiteral(" has no accessible name"));
    }
    return unnamed;
}

// The child of `ancestor` that holds `widget`.
QWidget* Branch(QWidget* widget, const QWidget* ancestor)
{
    while (widget->parentWidget() != ancestor)
        widget = widget->parentWidget();
    return widget;
}

// Reading order: a block above another comes first; of two side by side,
// the left one. Compared where the two widgets' branches part, so that a
// group box is read whole before the one beside it.
bool ReadBefore(QWidget* later, QWidget* earlier)
{
    QWidget* common = earlier->parentWidget();
    while (!common->isAncestorOf(later))
        common = common->parentWidget();
    const QRect first = Branch(earlier, common)->geometry();
    const QRect second = Branch(later, common)->geometry();
    if (second.bottom() < first.top())
        return true;
    const bool sameRow = second.top() <= first.bottom();
    return sameRow && second.right() < first.left();
}

QStringList OutOfOrder(QWidget* page)
{
    QList<QWidget*> chain;
    for (QWidget* widget = page->nextInFocusChain(); widget != page; widget = widget->nextInFocusChain()) {
        if (page->isAncestorOf(widget) && widget->isVisible() && (widget->focusPolicy() & Qt::TabFocus)
            && IsOwnControl(widget))
            chain.append(widget);
    }
    QStringList wrong;
    for (int index = 1; index < chain.size(); ++index) {
        if (ReadBefore(chain.at(index), chain.at(index - 1)))
            wrong.append(QStringLiteral("Tab goes from %1 back to %2")
                             .arg(Describe(chain.at(index - 1)), Describe(chain.at(index))));
    }
    return wrong;
}

// The console's find bar shows on demand, as a user opens it.
void OpenFind(QWidget* window, QWidget* console)
{
    QApplication::setActiveWindow(window);
    QWidget* line = UiTest::Child<QWidget>(console, "lineSend");
    line->setFocus();
    QTest::keyClick(line, Qt::Key_F, Qt::ControlModifier);
    QVERIFY(UiTest::Child<QWidget>(console, "lineFind")->isVisible());
}

} // namespace

void TestAccessibility::controlsNamedAndInReadingOrder()
{
    // Each fault once, at the first stop that shows it.
    QMap<QString, QString> problems;
    const bool toured = ProgramTour::Run(QStringLiteral(TESTDATA_DIR "/../../sim/demo.json"),
        [&problems](QWidget* shown, const QString& name) {
            QWidget* page = PageOf(shown);
            if (qobject_cast<SerialTab*>(page))
                OpenFind(shown, page);
            for (const QString& problem : Unnamed(shown) + OutOfOrder(page)) {
                if (!problems.contains(problem))
                    problems.insert(problem, name + QStringLiteral(": ") + problem);
            }
            return true;
        });
    QVERIFY(toured);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.values().join(QLatin1Char('\n'))));
}

VELMORA_UI_TEST_MAIN(TestAccessibility)
#include "TestAccessibility.moc"
