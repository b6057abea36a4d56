#include "calculators/focus_entry.h"

#include <QFocusEvent>
#include <QWidget>

FocusEntry::FocusEntry(QWidget* widget, std::function<void()> action)
    : QObject(widget), m_action(std::move(action)) {
    widget->installEventFilter(this);
}

void FocusEntry::watch(QWidget* widget, std::function<void()> action) {
    new FocusEntry(widget, std::move(action));
}

bool FocusEntry::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            m_action();
    }
    return QObject::eventFilter(watched, event);
}
