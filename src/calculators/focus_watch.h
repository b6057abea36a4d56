#pragma once
// Runs an action when the user moves the input focus into or out of a widget.
// Focus that only moves because a window (a message box, a popup, another
// program) opens or closes does not count; otherwise a message shown by the
// action would bring it back forever.

#include <QEvent>
#include <QObject>
#include <functional>

class QWidget;

class FocusWatch : public QObject {
    Q_OBJECT
public:
    // The watcher lives as long as the widget.
    static void onEnter(QWidget* widget, std::function<void()> action);
    static void onLeave(QWidget* widget, std::function<void()> action);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FocusWatch(QWidget* widget, QEvent::Type type, std::function<void()> action);
    QEvent::Type m_type;
    std::function<void()> m_action;
};
