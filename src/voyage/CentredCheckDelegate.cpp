#include "voyage/CentredCheckDelegate.h"

#include <QApplication>
#include <QStyle>

void CentredCheckDelegate::paint(
    QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem cell(option);
    initStyleOption(&cell, index);
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    const bool checkable = cell.features & QStyleOptionViewItem::HasCheckIndicator;
    const QSize indicator = checkable
        ? style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &cell, widget).size()
        : QSize();
    const Qt::CheckState state = cell.checkState;
    cell.features &= ~QStyleOptionViewItem::HasCheckIndicator;
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
    if (!checkable)
        return;
    QStyleOptionViewItem check(cell);
    check.rect = QStyle::alignedRect(cell.direction, Qt::AlignCenter, indicator, cell.rect);
    check.state = cell.state & ~QStyle::State_HasFocus;
    check.state |= state == Qt::Checked ? QStyle::State_On
        : state == Qt::PartiallyChecked ? QStyle::State_NoChange
                                        : QStyle::State_Off;
    style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &check, painter, widget);
}
