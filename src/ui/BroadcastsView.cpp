#include "ui/BroadcastsView.h"

#include "broadcast/BroadcastComparison.h"
#include "ui/MainWindow.h"

#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { FieldColumn, BroadcastColumn, SettingsColumn };

const int AgeIntervalMs = 1000;

} // namespace

BroadcastsView::BroadcastsView(QWidget* parent)
    : QWidget(parent)
    , m_tree(new QTreeWidget(this))
    , m_summary(new QLabel(this))
    , m_ageTimer(new QTimer(this))
{
    auto* layout = new QVBoxLayout(this);
    auto* hint
        = new QLabel(tr("What other vessels receive from the device, beside what its settings say."), this);
    // The labels wrap to the page the other pages make; they do not widen the window.
    hint->setWordWrap(true);
    hint->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    layout->addWidget(hint);
    m_tree->setObjectName(QStringLiteral("treeBroadcasts"));
    m_tree->setAccessibleName(tr("Broadcasts"));
    m_tree->setHeaderLabels({ tr("Message"), tr("Broadcast"), tr("Settings") });
    m_tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_tree->setRootIsDecorated(false);
    m_tree->setSelectionMode(QAbstractItemView::NoSelection);
    layout->addWidget(m_tree);
    m_summary->setObjectName(QStringLiteral("labelBroadcastSummary"));
    m_summary->setWordWrap(true);
    m_summary->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_summary);
    ShowSummary();
    m_ageTimer->setInterval(AgeIntervalMs);
    connect(m_ageTimer, &QTimer::timeout, this, &BroadcastsView::ShowAges);
}

void BroadcastsView::OnLine(const QString& line)
{
    const std::optional<AisMessage> message = m_decoder.Add(line.toLatin1());
    if (!message)
        return;
    const int key = message->type * 2 + (message->part == QLatin1Char('B') ? 1 : 0);
    Kind& kind = m_kinds[key];
    kind.last = *message;
    ++kind.count;
    kind.received.start();
    if (!kind.item) {
        // In the order of the message types.
        kind.item = new QTreeWidgetItem;
        m_tree->insertTopLevelItem(
            static_cast<int>(std::distance(m_kinds.begin(), m_kinds.find(key))), kind.item);
    }
    Show(kind);
    ShowSummary();
    m_ageTimer->start();
}

void BroadcastsView::OnSettingsRead(int tab, Model& source)
{
    switch (tab) {
    case MainWindow::TabDiagnostics:
        m_settings.TakeMmsi(source);
        break;
    case MainWindow::TabBasic:
    case MainWindow::TabConfiguration:
        m_settings.TakeVessel(source);
        break;
    case MainWindow::TabControl:
        m_settings.TakeSafetyText(source);
        break;
    default:
        return;
    }
    Refresh();
}

void BroadcastsView::Refresh()
{
    for (Kind& kind : m_kinds)
        Show(kind);
    ShowSummary();
}

void BroadcastsView::Clear()
{
    m_kinds.clear();
    m_tree->clear();
    m_ageTimer->stop();
    m_decoder = AisDecoder();
    ShowSummary();
}

void BroadcastsView::Show(Kind& kind)
{
    QTreeWidgetItem* item = kind.item;
    qDeleteAll(item->takeChildren());
    QFont bold = item->font(FieldColumn);
    bold.setBold(true);
    item->setText(FieldColumn, BroadcastComparison::TypeName(kind.last));
    item->setFont(FieldColumn, bold);
    kind.differences.clear();
    for (const BroadcastField& field : BroadcastComparison::Compare(kind.last, &m_settings)) {
        auto* row = new QTreeWidgetItem(item, { field.label, field.broadcast, field.configured });
        if (field.differs) {
            kind.differences << field.note;
            row->setIcon(SettingsColumn, style()->standardIcon(QStyle::SP_MessageBoxWarning));
            for (int column : { FieldColumn, BroadcastColumn, SettingsColumn }) {
                row->setFont(column, bold);
                row->setToolTip(column, field.note);
            }
            row->setData(SettingsColumn, Qt::AccessibleDescriptionRole, field.note);
        }
    }
    item->setExpanded(true);
    ShowAges();
}

// The differences in words below the fields, where they are read without
// hovering over each.
void BroadcastsView::ShowSummary()
{
    if (m_kinds.isEmpty()) {
        m_summary->setText(tr("No broadcast received yet. A device broadcasts once it has an MMSI."));
        return;
    }
    QStringList differences;
    for (const Kind& kind : qAsConst(m_kinds))
        differences << kind.differences;
    m_summary->setText(differences.join(QLatin1Char('\n')));
}

void BroadcastsView::ShowAges()
{
    for (const Kind& kind : qAsConst(m_kinds))
        kind.item->setText(BroadcastColumn,
            tr("%n seen, the last %1", nullptr, kind.count).arg(Age(kind.received.elapsed())));
}

QString BroadcastsView::Age(qint64 ms)
{
    const qint64 seconds = ms / 1000;
    if (seconds < 120)
        return tr("%n s ago", nullptr, static_cast<int>(seconds));
    return tr("%n min ago", nullptr, static_cast<int>(seconds / 60));
}
