#pragma once

#include "ui/MainWindow.h"

#include <QList>
#include <QMap>
#include <QObject>

class QAction;
class QTabWidget;
class QTimer;
class QToolBar;
class TabBase;

// The window's three modes and their pages. It puts up the mode buttons
// (they call the window's mode slots) and keeps every page by its tab id:
// a page is made once, and a change of mode only moves pages in and out of
// the tab widget, so each keeps its state and connections. It knows which
// widget fills the window in each mode, which pages each mode shows, in what
// order and under which titles, and the icon on each page's tab. Two pages
// are fed only while they are current: the GNSS status page by the device's
// sentence stream and the diagnostics page by a periodic re-read.
class ModePages : public QObject {
    Q_OBJECT

public:
    using Mode = MainWindow::Mode;
    using TabIcon = MainWindow::TabIcon;

    // The basic page alone fills the window in basic mode; a tab widget
    // holds the pages of the diagnostic and advanced modes. The send tool
    // bar shows in advanced mode only.
    ModePages(MainWindow* window, QWidget* basicPage, QToolBar* sendBar);

    QTabWidget* Tabs() const { return tabs; }

    void EnableModeButtons(bool enabled);
    // Starts the work of the page that became current and ends that of the
    // page it replaced.
    void FollowCurrentPage();
    void StopGnssMessages();
    // Only while the diagnostics page is current.
    void SetDiagnosticsRefresh(bool on);

    // Keeps a page of the tab widget; it is shown until the first mode is.
    void Add(int tab, QWidget* page, const char* objectName);

    Mode Current() const { return mode; }
    // Ends the work of the pages that were current, makes the mode's widget
    // fill the window, shows the mode's tool bars and its pages with their
    // first icons, and fits the window to them.
    void Show(Mode newMode);

    // The page of a tab id, whether shown or not; null for ids without one.
    QWidget* Page(int tab) const { return pages.value(tab, nullptr); }
    // The basic page in basic mode, else the current page of the tab widget.
    int CurrentTabId() const;
    // The configuration and control pages, unless one is being read or written.
    bool CurrentPageSendable() const;
    // The diagnostics, broadcasts, GNSS status, voyage data and serial data pages show
    // what the device reports; the send button sends nothing from them.
    bool CurrentPageOnlyShows() const;
    // Only a shown page has an icon to change; its tab's accessible name
    // follows the icon.
    void SetIcon(int tab, TabIcon icon);
    // The state machine's requests, for the pages it synchronises only.
    void SetIconRequested(int tab, int icon);
    void SetEnabledRequested(int tab, bool enable);
    TabBase* PageFilledFromDevice(int tab) const;
    TabBase* PageWrittenToDevice(int tab) const;

signals:
    void gnssMessageControl(bool on);
    void waitForRmc();
    void DiagnosticsRefreshDue();

private:
    void CreateModeBar();
    void CreatePageShortcuts();
    QWidget* AddModeButton(const QString& text, const QString& toolTip, const QIcon& icon,
        Qt::ToolButtonStyle style, void (MainWindow::*slot)());
    void OrderTabStops(const QList<QWidget*>& modeButtons);
    static QList<int> PagesOf(Mode mode);
    static TabIcon FirstIcon(int tab);
    static QIcon Picture(TabIcon icon);
    static QString StateName(TabIcon icon);
    static QString Title(int tab);
    void ShowCentral(QWidget* widget);
    int TabIdOf(const QWidget* page) const;

    MainWindow* window;
    QTabWidget* tabs;
    QToolBar* sendBar;
    QToolBar* modeBar = nullptr;
    QList<QAction*> modeActions;
    QMap<int, QWidget*> pages;
    QTimer* diagnosticsRefreshTimer;
    Mode mode = Mode::Basic;
    // Pages come and go while a mode is built; no page is followed until
    // the first mode is shown.
    bool switching = true;
    bool gnssMessagesOn = false;
};
