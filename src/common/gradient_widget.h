#pragma once
// A plain container painted with a vertical two-colour gradient; the forms of
// several windows lie on one.

#include <QColor>
#include <QWidget>

class GradientWidget : public QWidget {
    Q_OBJECT
public:
    GradientWidget(QColor top, QColor bottom, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_top;
    QColor m_bottom;
};
