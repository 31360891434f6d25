#include "ProgramTour.h"

#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAccessible>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabBar>

// Every page of the three modes and every dialog, as the screenshot tour
// walks them: a screen reader says for each control what the eye sees beside
// it, and Tab moves through the window in the order the eye reads it, the
// bars at the top before the page.
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

// What the eye reads for a text: no mnemonic marks.
QString Plain(QString text)
{
    return text.remove(QLatin1Char('&')).trimmed();
}

// The label whose buddy the control is, wherever it stands in the window.
const QLabel* LabelOf(const QWidget* control)
{
    for (const QLabel* label : control->window()->findChildren<QLabel*>()) {
        if (label->buddy() == control && label->isVisible())
            return label;
    }
    return nullptr;
}

// What a user sees for a control, and so what a screen reader must say: the
// name it was given, else its label, else a button's own text. The group box
// around it or a combo box's current item, which Qt falls back on, are not
// names.
QString Seen(const QWidget* control)
{
    if (!control->accessibleName().isEmpty())
        return control->accessibleName();
    if (const QLabel* label = LabelOf(control))
        return Plain(label->text());
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return Plain(button->text());
    return QString();
}

// A screen reader says a control's name and, as Qt tells it on Linux, the
// labels it is labelled by: one of them must be what the eye sees.
QString NameProblem(QWidget* control)
{
    const QString seen = Seen(control);
    if (seen.isEmpty())
        return Describe(control) + QStringLiteral(" has neither a label nor a name of its own");
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    QStringList told { Plain(accessible->text(QAccessible::Name)) };
    for (const auto& label : accessible->relations(QAccessible::Label))
        told.append(Plain(label.first->text(QAccessible::Name)));
    return told.contains(seen) ? QString()
                               : Describe(control) + QStringLiteral(" is not read as \"%1\"").arg(seen);
}

// A page tab whose picture shows whether the page is in step with the
// device, edited or being read is read with that too.
QStringList TabProblems(QTabBar* bar)
{
    QStringList problems;
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(bar);
    for (int index = 0; index < bar->count(); ++index) {
        const QString name = accessible->child(index)->text(QAccessible::Name);
        if (!bar->tabIcon(index).isNull() && name == Plain(bar->tabText(index)))
            problems.append(QStringLiteral("the tab %1 does not tell its state").arg(name));
    }
    return problems;
}

// The controls on screen: a hidden button may have no text until it shows.
QStringList Misnamed(QWidget* shown)
{
    QStringList misnamed;
    for (QWidget* control : shown->findChildren<QWidget*>()) {
        if (!control->isVisible() || !IsOwnControl(control))
            continue;
        auto* bar = qobject_cast<QTabBar*>(control);
        misnamed.append(bar ? TabProblems(bar) : QStringList { NameProblem(control) });
    }
    misnamed.removeAll(QString());
    return misnamed;
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

QStringList OutOfOrder(QWidget* shown)
{
    QList<QWidget*> chain;
    for (QWidget* widget = shown->nextInFocusChain(); widget != shown; widget = widget->nextInFocusChain()) {
        if (shown->isAncestorOf(widget) && widget->isVisible() && (widget->focusPolicy() & Qt::TabFocus)
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
            auto* console = shown->findChild<SerialTab*>();
            if (console && console->isVisible())
                OpenFind(shown, console);
            for (const QString& problem : Misnamed(shown) + OutOfOrder(shown)) {
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
