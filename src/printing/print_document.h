#pragma once
// A printout as a list of drawing operations in device pixels, relative to the
// printable area of the page. Printers compute such a list from the page
// metrics, the font metrics and their content; tests read the list, and
// replayOnPrinter (printer_painter.h) draws it on a real printer.
//
// Text positions are the top-left corner of the text cell, as on a printer
// canvas: the painter puts the baseline one ascent below the given y.

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

struct PrintFont {
    QString family = QStringLiteral("Times New Roman");
    int pointSize = 10;
    bool bold = false;

    bool operator==(const PrintFont&) const = default;
};

// The fonts the printed sheets and lists use: the table font and its bold
// variant, the 8-point date and page line and the 18-point title.
PrintFont tableFont();
PrintFont headingFont();
PrintFont pageLineFont();
PrintFont titleFont();

struct PrintOp {
    enum class Kind {
        SetFont,     // `font` applies to the text operations that follow
        Text,        // `text` at `at`
        ClippedText, // `text` at `at`, cut at the edges of `clip`
        Line,        // from `at` to `to`
        NewPage,     // ends the page; the following operations go to the next one
    };
    Kind kind = Kind::Text;
    PrintFont font;
    QString text;
    QPoint at;
    QPoint to;
    QRect clip;

    bool operator==(const PrintOp&) const = default;
};

class PrintDocument {
public:
    void setFont(const PrintFont& font);
    void text(int x, int y, const QString& text);
    // The clip rectangle runs from (left, top) up to, not including, (right, bottom).
    void clippedText(int left, int top, int right, int bottom, int x, int y, const QString& text);
    void line(int x1, int y1, int x2, int y2);
    void newPage();

    const QList<PrintOp>& ops() const { return m_ops; }
    bool isEmpty() const { return m_ops.isEmpty(); }

private:
    QList<PrintOp> m_ops;
};
