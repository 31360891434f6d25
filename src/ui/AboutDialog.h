#pragma once

#include <QDialog>

namespace Ui {
class AboutDialog;
}

// The program's name and version.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent);
    ~AboutDialog() override;

public slots:
    void on_buttonAboutQT_clicked();

private:
    Ui::AboutDialog* ui;
};
