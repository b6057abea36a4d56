#pragma once
// Makes any widget a link: a pointing hand over it, and an action on a click
// with the left mouse button. The cursor returns to normal when the mouse
// leaves, as Qt's per-widget cursor does by itself.

#include <QObject>
#include <functional>

class QWidget;

class LinkClick : public QObject {
    Q_OBJECT
public:
    // The filter lives as long as `widget`.
    static void attach(QWidget* widget, std::function<void()> onClick);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    LinkClick(QWidget* widget, std::function<void()> onClick);
    std::function<void()> m_onClick;
};
