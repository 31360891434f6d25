#include "ui/ProfileCompareDialog.h"

#include "ui/FileQuestion.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QColor differingBackground(255, 226, 160);
const QSize preferredSize(720, 520);

} // namespace

ProfileCompareDialog::ProfileCompareDialog(
    const QList<ProfileComparisonRow>& rows, const ProfileOrigin& origin, QWidget* parent)
    : QDialog(parent)
    , rows(rows)
    , table(new QTableWidget(this))
{
    setObjectName(QStringLiteral("ProfileCompareDialog"));
    setWindowTitle(tr("Compare with device"));
    int differing = 0;
    for (const ProfileComparisonRow& row : rows)
        differing += row.differs ? 1 : 0;
    auto* summary = new QLabel(Describe(origin, differing, rows.size()), this);
    summary->setObjectName(QStringLiteral("labelSummary"));
    summary->setWordWrap(true);
    table->setObjectName(QStringLiteral("tableComparison"));
    table->setAccessibleName(tr("Settings of the profile and the device"));
    FillTable();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* exportButton = buttons->addButton(tr("Export as CSV..."), QDialogButtonBox::ActionRole);
    exportButton->setObjectName(QStringLiteral("pushButtonExport"));
    exportButton->setAutoDefault(false);
    connect(exportButton, &QPushButton::clicked, this, &ProfileCompareDialog::OnExport);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(table);
    layout->addWidget(buttons);
    resize(preferredSize);
}

QString ProfileCompareDialog::Describe(const ProfileOrigin& origin, int differing, int total)
{
    const QString saved = tr("Profile saved %1 by %2 from the Identifier %3 (firmware %4).")
                              .arg(origin.savedAt.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                                  origin.savedBy, origin.serialNumber, origin.firmware);
    const QString counted = differing == 0 ? tr("All %1 settings are the same on the device.").arg(total)
                                           : tr("%1 of %2 settings differ (marked).").arg(differing).arg(total);
    return saved + QLatin1Char(' ') + counted;
}

void ProfileCompareDialog::FillTable()
{
    table->setColumnCount(3);
    table->setHorizontalHeaderLabels({ tr("Setting"), tr("Profile"), tr("Device") });
    table->setRowCount(rows.size());
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    for (int index = 0; index < rows.size(); ++index) {
        const ProfileComparisonRow& row = rows.at(index);
        const QString cells[] = { row.setting, row.profileValue, row.deviceValue };
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (row.differs) {
                QFont font = item->font();
                font.setBold(true);
                item->setFont(font);
                item->setBackground(differingBackground);
                item->setForeground(Qt::black);
                item->setToolTip(tr("The profile and the device differ."));
            }
            table->setItem(index, column, item);
        }
    }
    QHeaderView* header = table->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    header->setSectionResizeMode(2, QHeaderView::Stretch);
}

bool ProfileCompareDialog::Export(const QString& path)
{
    QString error;
    if (ProfileComparison::ExportCsv(rows, path, &error))
        return true;
    QMessageBox::critical(this, tr("Error exporting the comparison"), error, QMessageBox::Ok);
    return false;
}

void ProfileCompareDialog::OnExport()
{
    const QString path = FileQuestion::Save(this, FileQuestion::Kind::Comparison, tr("Export comparison"),
        QStringLiteral("comparison.csv"), tr("CSV files (*.csv)"));
    if (!path.isEmpty())
        Export(path);
}
