#pragma once
// A caption sitting on a thin bracket line that spans the boxes below it, so
// that they read as one group ("Kraftstoff" over the three fuel figures).

#include <QWidget>

class CaptionBracket : public QWidget {
public:
    explicit CaptionBracket(const QString& caption, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
};
