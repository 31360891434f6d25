#pragma once

#include <QStyledItemDelegate>

// Draws a cell's check mark in the middle of the cell, under its column's
// header, instead of at the cell's left edge. The item keeps its check state,
// so screen readers still read the cell as checked or not.
class CentredCheckDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(
        QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
