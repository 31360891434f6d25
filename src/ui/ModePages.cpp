#include "ui/ModePages.h"

#include "ui/TabBase.h"

#include <QAction>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

const int modeBarHeight = 24;
const int modeIconSize = 16;
const int diagnosticsRefreshInterval = 5000;

} // namespace

ModePages::ModePages(MainWindow* window, QWidget* basicPage, QToolBar* sendBar)
    : QObject(window)
    , window(window)
    , tabs(new QTabWidget(window))
    , sendBar(sendBar)
    , diagnosticsRefreshTimer(new QTimer(this))
{
    tabs->setObjectName(QStringLiteral("tabs"));
    // Every page title stays readable: the window is never narrower than the tabs.
    tabs->setUsesScrollButtons(false);
    tabs->tabBar()->setAccessibleName(tr("Pages"));
    tabs->hide();
    diagnosticsRefreshTimer->setObjectName(QStringLiteral("diagnosticsRefreshTimer"));
    diagnosticsRefreshTimer->setInterval(diagnosticsRefreshInterval);
    connect(diagnosticsRefreshTimer, &QTimer::timeout, this, &ModePages::DiagnosticsRefreshDue);
    connect(tabs, &QTabWidget::currentChanged, this, &ModePages::FollowCurrentPage);
    CreateModeBar();
    CreatePageShortcuts();
    pages.insert(MainWindow::TabBasic, basicPage);
    window->setCentralWidget(basicPage);
}

void ModePages::CreateModeBar()
{
    modeBar = new QToolBar(tr("Select the mode"), window);
    modeBar->setObjectName(QStringLiteral("modeToolBar"));
    modeBar->setIconSize(QSize(modeIconSize, modeIconSize));
    modeBar->setMovable(false);
    window->addToolBar(Qt::TopToolBarArea, modeBar);
    modeBar->addSeparator();
    const QList<QWidget*> buttons {
        AddModeButton(tr("Basic mode"), tr("Enter basic mode."), QIcon(), Qt::ToolButtonTextOnly,
            &MainWindow::OnBasicModeSelected),
        AddModeButton(tr("Diagnostic mode"), tr("Enter diagnostic mode."),
            QIcon(QStringLiteral(":/velmora/Diagnostics.png")), Qt::ToolButtonTextBesideIcon,
            &MainWindow::OnDiagnosticsModeSelected),
        AddModeButton(tr("Advanced mode"), tr("Enter advanced mode (password required)."),
            QIcon(QStringLiteral(":/velmora/Lock.png")), Qt::ToolButtonTextBesideIcon,
            &MainWindow::OnAdvancedModeSelected),
    };
    OrderTabStops(buttons);
    // Ctrl+1, Ctrl+2 and Ctrl+3 choose the modes in the order of their buttons.
    for (int index = 0; index < modeActions.size(); ++index)
        modeActions.at(index)->setShortcut(QKeySequence(Qt::CTRL + Qt::Key_1 + index));
    // A compact bar, but never lower than its buttons with the system's font.
    modeBar->setFixedHeight(qMax(modeBarHeight, modeBar->sizeHint().height()));
}

QWidget* ModePages::AddModeButton(const QString& text, const QString& toolTip, const QIcon& icon,
    Qt::ToolButtonStyle style, void (MainWindow::*slot)())
{
    auto* action = new QAction(icon, text, window);
    action->setToolTip(toolTip);
    connect(action, &QAction::triggered, window, slot);
    auto* button = new QToolButton(modeBar);
    button->setDefaultAction(action);
    button->setToolButtonStyle(style);
    modeBar->addWidget(button);
    modeBar->addSeparator();
    modeActions.append(action);
    return button;
}

// Tab goes through the window from the top: the send button, the mode
// buttons, the page tabs, then the page. Left alone it would follow the
// order the widgets were made in, where the basic page and the tabs come
// before the mode buttons.
void ModePages::OrderTabStops(const QList<QWidget*>& modeButtons)
{
    QWidget* previous = sendBar->widgetForAction(sendBar->actions().constFirst());
    for (QWidget* next : modeButtons + QList<QWidget*> { tabs }) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

// Alt+1 and on bring up the pages of the mode shown, in the order of their
// tabs, unless the pages are busy and a click would not change them either.
void ModePages::CreatePageShortcuts()
{
    const int mostPages = PagesOf(Mode::Advanced).size();
    for (int index = 0; index < mostPages; ++index) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT + Qt::Key_1 + index), window);
        connect(shortcut, &QShortcut::activated, this, [this, index] {
            if (tabs->isVisible() && tabs->isEnabled() && index < tabs->count())
                tabs->setCurrentIndex(index);
        });
    }
}

void ModePages::EnableModeButtons(bool enabled)
{
    for (QAction* action : qAsConst(modeActions))
        action->setEnabled(enabled);
}

void ModePages::Add(int tab, QWidget* page, const char* objectName)
{
    page->setObjectName(QLatin1String(objectName));
    pages.insert(tab, page);
    tabs->addTab(page, Title(tab));
}

QList<int> ModePages::PagesOf(Mode mode)
{
    switch (mode) {
    case Mode::Diagnostic:
        return { MainWindow::TabDiagnostics, MainWindow::TabBroadcasts, MainWindow::TabVoyageData,
            MainWindow::TabGnssStatus, MainWindow::TabSerialData };
    case Mode::Advanced:
        return { MainWindow::TabConfiguration, MainWindow::TabControl, MainWindow::TabDeviceActions,
            MainWindow::TabVoyageData, MainWindow::TabDiagnostics, MainWindow::TabBroadcasts,
            MainWindow::TabGnssStatus, MainWindow::TabSerialData };
    case Mode::Basic:
        break;
    }
    return {};
}

// The pages the state machine reads start as not yet read; the device
// actions hold nothing to read, so they start in step.
ModePages::TabIcon ModePages::FirstIcon(int tab)
{
    switch (tab) {
    case MainWindow::TabConfiguration:
    case MainWindow::TabControl:
    case MainWindow::TabVoyageData:
    case MainWindow::TabDiagnostics:
        return TabIcon::NotSynced;
    case MainWindow::TabDeviceActions:
        return TabIcon::Synced;
    default:
        return TabIcon::None;
    }
}

QIcon ModePages::Picture(TabIcon icon)
{
    switch (icon) {
    case TabIcon::Edited:
        return QIcon(QStringLiteral(":/velmora/TabEdited.png"));
    case TabIcon::NotSynced:
        return QIcon(QStringLiteral(":/velmora/TabNotSynced.png"));
    case TabIcon::Syncing:
        return QIcon(QStringLiteral(":/velmora/TabSyncing.png"));
    case TabIcon::Synced:
        return QIcon(QStringLiteral(":/velmora/TabSynced.png"));
    case TabIcon::None:
        break;
    }
    return QIcon();
}

QString ModePages::StateName(TabIcon icon)
{
    switch (icon) {
    case TabIcon::Edited:
        return tr("edited, not yet sent");
    case TabIcon::NotSynced:
        return tr("not yet read from the device");
    case TabIcon::Syncing:
        return tr("being read or written");
    case TabIcon::Synced:
        return tr("in step with the device");
    case TabIcon::None:
        break;
    }
    return QString();
}

QString ModePages::Title(int tab)
{
    switch (tab) {
    case MainWindow::TabConfiguration:
        return tr("Configuration");
    case MainWindow::TabControl:
        return tr("Control");
    case MainWindow::TabDeviceActions:
        return tr("Device Actions");
    case MainWindow::TabDiagnostics:
        return tr("Diagnostics");
    case MainWindow::TabBroadcasts:
        return tr("Broadcasts");
    case MainWindow::TabGnssStatus:
        return tr("GNSS status");
    case MainWindow::TabVoyageData:
        return tr("Voyage data");
    case MainWindow::TabSerialData:
        return tr("Serial data");
    default:
        return QString();
    }
}

void ModePages::Show(Mode newMode)
{
    StopGnssMessages();
    diagnosticsRefreshTimer->stop();
    switching = true;
    mode = newMode;
    modeBar->setEnabled(true);
    sendBar->setVisible(mode == Mode::Advanced);
    ShowCentral(mode == Mode::Basic ? Page(MainWindow::TabBasic) : tabs);
    while (tabs->count() > 0)
        tabs->removeTab(0);
    for (const int tab : PagesOf(mode)) {
        tabs->addTab(Page(tab), Title(tab));
        SetIcon(tab, FirstIcon(tab));
    }
    window->centralWidget()->adjustSize();
    window->adjustSize();
    switching = false;
}

void ModePages::FollowCurrentPage()
{
    if (switching || tabs->currentIndex() < 0)
        return;
    const int current = CurrentTabId();
    if (current == MainWindow::TabGnssStatus) {
        emit waitForRmc();
        emit gnssMessageControl(true);
        gnssMessagesOn = true;
    } else {
        StopGnssMessages();
        emit waitForRmc();
    }
    if (current == MainWindow::TabDiagnostics)
        diagnosticsRefreshTimer->start();
    else
        diagnosticsRefreshTimer->stop();
}

void ModePages::StopGnssMessages()
{
    if (!gnssMessagesOn)
        return;
    gnssMessagesOn = false;
    emit gnssMessageControl(false);
}

void ModePages::SetDiagnosticsRefresh(bool on)
{
    if (CurrentTabId() != MainWindow::TabDiagnostics)
        return;
    if (on)
        diagnosticsRefreshTimer->start();
    else
        diagnosticsRefreshTimer->stop();
}

// The widget that gives way stays a hidden child of the window.
void ModePages::ShowCentral(QWidget* widget)
{
    if (window->centralWidget() != widget) {
        if (QWidget* previous = window->takeCentralWidget()) {
            previous->setParent(window);
            previous->hide();
        }
        window->setCentralWidget(widget);
    }
    widget->show();
}

int ModePages::CurrentTabId() const
{
    if (mode == Mode::Basic)
        return MainWindow::TabBasic;
    return TabIdOf(tabs->currentWidget());
}

bool ModePages::CurrentPageSendable() const
{
    const QWidget* current = tabs->currentWidget();
    return (current == Page(MainWindow::TabConfiguration) || current == Page(MainWindow::TabControl))
        && current->isEnabledTo(tabs);
}

bool ModePages::CurrentPageOnlyShows() const
{
    const int current = CurrentTabId();
    return current == MainWindow::TabDiagnostics || current == MainWindow::TabBroadcasts
        || current == MainWindow::TabGnssStatus || current == MainWindow::TabVoyageData
        || current == MainWindow::TabSerialData;
}

int ModePages::TabIdOf(const QWidget* page) const
{
    for (auto it = pages.cbegin(); it != pages.cend(); ++it) {
        if (it.value() == page)
            return it.key();
    }
    return MainWindow::TabBasic;
}

// A screen reader cannot see the picture: the tab's name says it too.
void ModePages::SetIcon(int tab, TabIcon icon)
{
    const int index = tabs->indexOf(Page(tab));
    if (index < 0)
        return;
    tabs->setTabIcon(index, Picture(icon));
    const QString state = StateName(icon);
    tabs->tabBar()->setAccessibleTabName(
        index, state.isEmpty() ? QString() : tr("%1: %2").arg(Title(tab), state));
}

void ModePages::SetIconRequested(int tab, int icon)
{
    if (tab < MainWindow::TabConfiguration || tab > MainWindow::TabVoyageData || icon < int(TabIcon::None)
        || icon > int(TabIcon::Synced))
        return;
    SetIcon(tab, TabIcon(icon));
}

void ModePages::SetEnabledRequested(int tab, bool enable)
{
    if (tab == MainWindow::TabConfiguration || tab == MainWindow::TabControl
        || tab == MainWindow::TabVoyageData)
        Page(tab)->setEnabled(enable);
}

// The diagnostics page only shows what the device reports.
TabBase* ModePages::PageFilledFromDevice(int tab) const
{
    return tab == MainWindow::TabDiagnostics ? qobject_cast<TabBase*>(Page(tab)) : PageWrittenToDevice(tab);
}

TabBase* ModePages::PageWrittenToDevice(int tab) const
{
    const bool written = tab == MainWindow::TabBasic || tab == MainWindow::TabConfiguration
        || tab == MainWindow::TabControl || tab == MainWindow::TabVoyageData;
    return written ? qobject_cast<TabBase*>(Page(tab)) : nullptr;
}
