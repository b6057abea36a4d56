#pragma once
// Draws the cells of the cost grid: grey labels, right-aligned values that are
// bold unless empty, navy totals marked off by maroon lines.

#include <QStyledItemDelegate>

class CostGridDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
