#include "calculators/focus_watch.h"

#include <QFocusEvent>
#include <QWidget>

FocusWatch::FocusWatch(QWidget* widget, QEvent::Type type, std::function<void()> action)
    : QObject(widget), m_type(type), m_action(std::move(action))
{
    widget->installEventFilter(this);
}

void FocusWatch::onEnter(QWidget* widget, std::function<void()> action)
{
    new FocusWatch(widget, QEvent::FocusIn, std::move(action));
}

void FocusWatch::onLeave(QWidget* widget, std::function<void()> action)
{
    new FocusWatch(widget, QEvent::FocusOut, std::move(action));
}

bool FocusWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == m_type) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            m_action();
    }
    return QObject::eventFilter(watched, event);
}
