#pragma once
// The printer side of printing: its page metrics, its font metrics, and the
// thin painter that draws a PrintDocument on it.

#include "printing/page_metrics.h"
#include "printing/print_document.h"
#include "printing/print_font_metrics.h"

#include <functional>

class QPaintDevice;
class QPainter;
class QPrinter;

// Printable size and physical offsets of the printer's page as currently set up;
// a printer that reports no offsets gets 0.
PageMetrics pageMetricsOf(const QPrinter& printer);

// Measures with the fonts as the printer device resolves them.
class PrinterFontMetrics : public PrintFontMetrics {
public:
    explicit PrinterFontMetrics(QPaintDevice& device) : m_device(device) {}
    int textWidth(const PrintFont& font, const QString& text) const override;
    int textHeight(const PrintFont& font, const QString& text) const override;

private:
    QPaintDevice& m_device;
};

// Draws the operations with an active painter; `newPage` moves to the next page
// and tells whether that worked. Returns false when a page change failed.
bool paintDocument(const PrintDocument& doc, QPainter& painter,
                   const std::function<bool()>& newPage);

// Draws the document as one print job; false when the printer could not be
// opened or failed on the way.
bool replayOnPrinter(const PrintDocument& doc, QPrinter& printer);
