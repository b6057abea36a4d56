#include "common/gradient_widget.h"

#include <QLinearGradient>
#include <QPainter>

GradientWidget::GradientWidget(QColor top, QColor bottom, QWidget* parent)
    : QWidget(parent), m_top(top), m_bottom(bottom)
{
}

void GradientWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, m_top);
    gradient.setColorAt(1, m_bottom);
    painter.fillRect(rect(), gradient);
}
