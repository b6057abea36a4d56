#include "evaluation/caption_bracket.h"

#include <QPainter>

namespace {
constexpr int kTickHeight = 4;
constexpr int kGap = 2;
} // namespace

CaptionBracket::CaptionBracket(const QString& caption, QWidget* parent)
    : QWidget(parent), m_caption(caption)
{
    setAccessibleName(caption);
}

QSize CaptionBracket::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(m_caption) + 2 * kGap,
            metrics.height() + kGap + kTickHeight + 1};
}

void CaptionBracket::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int lineY = height() - kTickHeight - 1;
    const QRect textRect(0, lineY - kGap - metrics.height(), width(), metrics.height());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(textRect, Qt::AlignHCenter | Qt::AlignBottom, m_caption);
    const int right = width() - 1;
    painter.drawLine(0, lineY, right, lineY);
    painter.drawLine(0, lineY, 0, lineY + kTickHeight);
    painter.drawLine(right, lineY, right, lineY + kTickHeight);
}
