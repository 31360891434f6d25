#pragma once

#include "history/ProgrammingRecord.h"

#include <QDialog>

namespace Ui {
class DisconnectDialog;
}

// Tells the user that a programming has finished ("Programming Complete").
class DisconnectDialog : public QDialog {
    Q_OBJECT

public:
    explicit DisconnectDialog(QWidget* parent);
    ~DisconnectDialog() override;

    // The programming was read back and found whole: says so, and offers the
    // owner's certificate of it.
    void ShowVerified(const ProgrammingRecord& record);

private slots:
    void SaveCertificate();
    void PrintCertificate();

private:
    Ui::DisconnectDialog* ui;
    ProgrammingRecord m_record;
};
