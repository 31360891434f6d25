#include "protocol/cChapPasswordEntry.h"

#include "ui_cChapPasswordEntry.h"

#include <QStyle>

cChapPasswordEntry::cChapPasswordEntry(QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::cChapPasswordEntry>())
{
    m_ui->setupUi(this);
    const int side = m_ui->lineEdit_password_1->sizeHint().height();
    m_ui->label_warning_triangle->setFixedSize(side, side);
    m_ui->label_warning_triangle->setPixmap(
        style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(side, side));
    // With a larger font the introduction wraps; grow rather than clip it.
    resize(width(), qMax(height(), heightForWidth(width())));
}

cChapPasswordEntry::~cChapPasswordEntry() = default;

QString cChapPasswordEntry::askPassword()
{
    cChapPasswordEntry dialog;
    dialog.exec();
    return dialog.password();
}

void cChapPasswordEntry::on_lineEdit_password_1_textChanged(const QString& text)
{
    m_password = text;
    m_ui->pushButton_use_password->setEnabled(!text.isEmpty());
}

void cChapPasswordEntry::on_pushButton_use_password_clicked()
{
    accept();
}
