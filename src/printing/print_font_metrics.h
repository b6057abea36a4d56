#pragma once
// Text measurement for laying out a printout. The printer's own metrics come
// from PrinterFontMetrics (printer_painter.h); FixedFontMetrics gives simple,
// predictable numbers so that layouts can be checked exactly without a printer.

#include "printing/print_document.h"

class PrintFontMetrics {
public:
    virtual ~PrintFontMetrics() = default;
    virtual int textWidth(const PrintFont& font, const QString& text) const = 0;
    virtual int textHeight(const PrintFont& font, const QString& text) const = 0;
};

// Every character is `charWidth` pixels wide and every text `lineHeight` pixels
// high at 10 points; other sizes scale both in proportion, bold is wider by a
// tenth so that headings measure differently from the body.
class FixedFontMetrics : public PrintFontMetrics {
public:
    FixedFontMetrics(int charWidth = 50, int lineHeight = 100)
        : m_charWidth(charWidth), m_lineHeight(lineHeight)
    {
    }

    int textWidth(const PrintFont& font, const QString& text) const override
    {
        const int perChar = font.bold ? m_charWidth + m_charWidth / 10 : m_charWidth;
        return text.size() * perChar * font.pointSize / 10;
    }
    int textHeight(const PrintFont& font, const QString&) const override
    {
        return m_lineHeight * font.pointSize / 10;
    }

private:
    int m_charWidth;
    int m_lineHeight;
};
