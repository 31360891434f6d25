#include "ui/ProgrammingHistoryDialog.h"

#include "ui/FileQuestion.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QSize preferredSize(720, 520);

} // namespace

ProgrammingHistoryDialog::ProgrammingHistoryDialog(const QString& databasePath, QWidget* parent)
    : QDialog(parent)
    , history(databasePath)
    , summary(new QLabel(this))
    , search(new QLineEdit(this))
    , table(new QTableWidget(this))
{
    setObjectName(QStringLiteral("ProgrammingHistoryDialog"));
    setWindowTitle(tr("Programming history"));
    history.Open(&openError);
    if (!history.DamagedCopy().isEmpty()) {
        openError = tr("The history was damaged: it was set aside as %1 and a new one begun.")
                        .arg(QDir::toNativeSeparators(history.DamagedCopy()));
    }
    summary->setObjectName(QStringLiteral("labelSummary"));
    summary->setWordWrap(true);
    search->setObjectName(QStringLiteral("lineSearch"));
    search->setPlaceholderText(tr("Search by MMSI, serial number or vessel name"));
    search->setClearButtonEnabled(true);
    search->setAccessibleName(tr("Search the history"));
    search->setAccessibleDescription(search->placeholderText());
    table->setObjectName(QStringLiteral("tableHistory"));
    table->setAccessibleName(tr("Programmings"));
    connect(search, &QLineEdit::textChanged, this, &ProgrammingHistoryDialog::Refresh);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* exportButton = buttons->addButton(tr("Export shown rows..."), QDialogButtonBox::ActionRole);
    exportButton->setObjectName(QStringLiteral("pushButtonExport"));
    exportButton->setAutoDefault(false);
    connect(exportButton, &QPushButton::clicked, this, &ProgrammingHistoryDialog::OnExport);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(search);
    layout->addWidget(summary);
    layout->addWidget(table);
    layout->addWidget(buttons);
    Refresh();
    FitWidth();
}

// A failure to open stays on show: the rows are then those the database
// could still give, if any.
void ProgrammingHistoryDialog::Refresh()
{
    QString error;
    shown = history.Find(search->text().trimmed(), &error);
    FillTable();
    // A count form of its own lets French say none in the singular.
    const QString counted = shown.size() == 1
        ? tr("1 programming shown.")
        : tr("%n programmings shown, newest first.", nullptr, shown.size());
    const QString problem = error.isEmpty() ? openError : error;
    summary->setText(problem.isEmpty() ? counted : problem + QLatin1Char('\n') + counted);
}

void ProgrammingHistoryDialog::FillTable()
{
    const QStringList titles = ProgrammingHistory::ColumnTitles();
    table->clear();
    table->setColumnCount(titles.size());
    table->setHorizontalHeaderLabels(titles);
    table->setRowCount(shown.size());
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    for (int row = 0; row < shown.size(); ++row) {
        const QStringList texts = ProgrammingHistory::Texts(shown.at(row));
        for (int column = 0; column < texts.size(); ++column)
            table->setItem(row, column, new QTableWidgetItem(texts.at(column)));
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
}

// Wide enough for every column of the rows first shown.
void ProgrammingHistoryDialog::FitWidth()
{
    const QMargins margins = layout()->contentsMargins();
    const int width = table->horizontalHeader()->length() + 2 * table->frameWidth()
        + table->verticalScrollBar()->sizeHint().width() + margins.left() + margins.right();
    resize(qMax(preferredSize.width(), width), preferredSize.height());
}

bool ProgrammingHistoryDialog::Export(const QString& path)
{
    QString error;
    if (ProgrammingHistory::ExportCsv(shown, path, &error))
        return true;
    QMessageBox::critical(this, tr("Error exporting the programming history"), error, QMessageBox::Ok);
    return false;
}

void ProgrammingHistoryDialog::OnExport()
{
    const QString path = FileQuestion::Save(this, FileQuestion::Kind::HistoryExport,
        tr("Export programming history"), QStringLiteral("programming-history.csv"), tr("CSV files (*.csv)"));
    if (!path.isEmpty())
        Export(path);
}
