#include "online/link_click.h"

#include <QMouseEvent>
#include <QWidget>

LinkClick::LinkClick(QWidget* widget, std::function<void()> onClick)
    : QObject(widget), m_onClick(std::move(onClick))
{
}

void LinkClick::attach(QWidget* widget, std::function<void()> onClick)
{
    widget->setCursor(Qt::PointingHandCursor);
    widget->installEventFilter(new LinkClick(widget, std::move(onClick)));
}

bool LinkClick::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease)
        return QObject::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    // The press belongs to the link too: it must not reach the window behind it.
    if (type == QEvent::MouseButtonPress)
        return mouse->button() == Qt::LeftButton;
    const auto* widget = static_cast<QWidget*>(watched);
    // A press that is dragged off the link and released elsewhere is no click.
    if (mouse->button() == Qt::LeftButton && widget->rect().contains(mouse->position().toPoint())) {
        m_onClick();
        return true;
    }
    return false;
}
