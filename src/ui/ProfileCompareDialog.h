#pragma once

#include "profile/ProfileComparison.h"
#include "profile/ProfileOrigin.h"

#include <QDialog>

class QTableWidget;

// Every setting of a profile beside the device's value, the differing rows
// marked, with a button that exports the table as CSV.
class ProfileCompareDialog : public QDialog {
    Q_OBJECT

public:
    ProfileCompareDialog(const QList<ProfileComparisonRow>& rows, const ProfileOrigin& origin, QWidget* parent);

    // Writes the table to path; tells the user of a failure.
    bool Export(const QString& path);

private slots:
    void OnExport();

private:
    static QString Describe(const ProfileOrigin& origin, int differing, int total);
    void FillTable();

    QList<ProfileComparisonRow> rows;
    QTableWidget* table;
};
