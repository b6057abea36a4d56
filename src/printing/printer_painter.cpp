#include "printing/printer_painter.h"

#include <algorithm>

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

namespace {

QFont toQFont(const PrintFont& font)
{
    QFont result(font.family, font.pointSize);
    result.setBold(font.bold);
    return result;
}

} // namespace

PageMetrics pageMetricsOf(const QPrinter& printer)
{
    const int dpi = printer.resolution();
    const QRect paintRect = printer.pageLayout().paintRectPixels(dpi);
    PageMetrics page;
    page.width = paintRect.width();
    page.height = paintRect.height();
    page.offsetX = std::max(0, paintRect.left());
    page.offsetY = std::max(0, paintRect.top());
    page.resolution = dpi;
    return page;
}

int PrinterFontMetrics::textWidth(const PrintFont& font, const QString& text) const
{
    return QFontMetrics(toQFont(font), &m_device).horizontalAdvance(text);
}

int PrinterFontMetrics::textHeight(const PrintFont& font, const QString&) const
{
    return QFontMetrics(toQFont(font), &m_device).height();
}

bool paintDocument(const PrintDocument& doc, QPainter& painter,
                   const std::function<bool()>& newPage)
{
    // Positions are the top-left corners of text cells; QPainter writes on the
    // baseline, one ascent further down.
    painter.setPen(QPen(Qt::black, 0));
    int ascent = painter.fontMetrics().ascent();
    bool ok = true;
    for (const PrintOp& op : doc.ops()) {
        switch (op.kind) {
        case PrintOp::Kind::SetFont:
            painter.setFont(toQFont(op.font));
            ascent = painter.fontMetrics().ascent();
            break;
        case PrintOp::Kind::Text:
            painter.drawText(op.at + QPoint(0, ascent), op.text);
            break;
        case PrintOp::Kind::ClippedText:
            // A cell narrower than its margins shows nothing.
            if (op.clip.isEmpty())
                break;
            painter.save();
            painter.setClipRect(op.clip);
            painter.drawText(op.at + QPoint(0, ascent), op.text);
            painter.restore();
            break;
        case PrintOp::Kind::Line:
            painter.drawLine(op.at, op.to);
            break;
        case PrintOp::Kind::NewPage:
            ok = newPage() && ok;
            break;
        }
    }
    return ok;
}

bool replayOnPrinter(const PrintDocument& doc, QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const bool painted = paintDocument(doc, painter, [&printer] { return printer.newPage(); });
    return painter.end() && painted && printer.printerState() != QPrinter::Error;
}
