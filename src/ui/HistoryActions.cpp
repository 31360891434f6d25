#include "ui/HistoryActions.h"

#include "history/ProgrammingHistory.h"
#include "ui/ProgrammingHistoryDialog.h"

#include <QAction>
#include <QMenu>

HistoryActions::HistoryActions(QWidget* window, QMenu* menu, QAction* before)
    : QObject(window)
    , window(window)
{
    setObjectName(QStringLiteral("historyActions"));
    auto* action = new QAction(tr("Programming history..."), window);
    action->setObjectName(QStringLiteral("actionProgrammingHistory"));
    connect(action, &QAction::triggered, this, &HistoryActions::OnShow);
    menu->insertAction(before, action);
}

void HistoryActions::OnShow()
{
    ProgrammingHistoryDialog dialog(ProgrammingHistory::DefaultPath(), window);
    dialog.exec();
}
