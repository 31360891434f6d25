#pragma once

#include "history/ProgrammingHistory.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QTableWidget;

// The programming history, newest first, narrowed by a search on MMSI, serial
// number and vessel name; the rows shown export as CSV.
class ProgrammingHistoryDialog : public QDialog {
    Q_OBJECT

public:
    explicit ProgrammingHistoryDialog(const QString& databasePath, QWidget* parent = nullptr);

    // Writes the rows shown to path; tells the user of a failure.
    bool Export(const QString& path);

private slots:
    void Refresh();
    void OnExport();

private:
    void FillTable();
    void FitWidth();

    ProgrammingHistory history;
    QString openError;
    QList<ProgrammingRecord> shown;
    QLabel* summary;
    QLineEdit* search;
    QTableWidget* table;
};
