#include "printing/page_furniture.h"

#include "common/conversions.h"

QString pageLineText(const QDate& today, int page, int pages)
{
    return QStringLiteral("Date: %1 Page: %2 / %3").arg(formatDate(today)).arg(page).arg(pages);
}

void drawPageHead(PrintDocument& doc, const PageMetrics& page, const PrintFontMetrics& metrics,
                  const QString& title, const QDate& today, int pageNumber, int pages)
{
    const PageUnits units(page);

    doc.setFont(pageLineFont());
    const QString pageLine = pageLineText(today, pageNumber, pages);
    const int pageLineWidth = metrics.textWidth(pageLineFont(), pageLine);
    const int pageLineX = page.width - units.x(1.5) - 2 * (pageLineWidth / 2);
    doc.text(pageLineX, units.y(0.5), pageLine);

    doc.setFont(titleFont());
    const int titleWidth = metrics.textWidth(titleFont(), title);
    const bool leftAligned = pageLineX >= (page.width + titleWidth) / 2 + units.x(0.75);
    const int titleX = leftAligned ? units.x(3) : (page.width - titleWidth) / 2;
    doc.text(titleX, units.y(1), title);
}
