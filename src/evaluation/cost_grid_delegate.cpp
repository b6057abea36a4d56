#include "evaluation/cost_grid_delegate.h"

#include "evaluation/grid_look.h"

#include <QPainter>

namespace {
const QColor kFixedCellColour(0xE4, 0xE4, 0xE4);
const QColor kTotalColour(0x00, 0x00, 0x80);
const QColor kMarkColour(0x80, 0x00, 0x00);
// Text sits 2 pixels below the cell's top, values end 4 pixels before its right edge.
constexpr int kTextTop = 2;
constexpr int kLabelLeft = 2;
constexpr int kValueRight = 4;
} // namespace

void CostGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    const QString text = index.data().toString();
    const CellLook look = cellLook(index.column(), index.row(), text);
    const QRect cell = option.rect;
    painter->save();
    painter->fillRect(cell, look.label ? kFixedCellColour : QColor(Qt::white));
    QFont font = option.font;
    font.setBold(look.bold);
    painter->setFont(font);
    painter->setPen(look.total ? kTotalColour : QColor(Qt::black));
    if (look.label)
        painter->drawText(cell.adjusted(kLabelLeft, kTextTop, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                          text);
    else
        painter->drawText(cell.adjusted(0, kTextTop, -kValueRight, 0),
                          Qt::AlignRight | Qt::AlignTop, text);
    painter->setPen(kMarkColour);
    if (look.markLeft)
        painter->drawLine(cell.topLeft(), cell.bottomLeft());
    if (look.markTop)
        painter->drawLine(cell.topLeft(), cell.topRight());
    if (option.state & QStyle::State_HasFocus) {
        painter->setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter->drawRect(cell.adjusted(1, 1, -2, -2));
    }
    painter->restore();
}
