#pragma once
// Runs an action when the user moves the input focus into a widget. Focus that
// only comes back because a window (a message box, a popup) closed does not
// count; otherwise a message shown by the action would bring it back forever.

#include <QObject>
#include <functional>

class QWidget;

class FocusEntry : public QObject {
    Q_OBJECT
public:
    // The watcher lives as long as the widget.
    static void watch(QWidget* widget, std::function<void()> action);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FocusEntry(QWidget* widget, std::function<void()> action);
    std::function<void()> m_action;
};
