#include "ui/inspection_colour.h"

#include "common/conversions.h"

bool inspectionDue(const QString& text, int currentYear, int currentMonth)
{
    const QString s = text.trimmed();
    if (s.isEmpty())
        return false;
    QString yearText = s.right(4);
    QString monthText = s.left(2);
    const auto hasSeparator = [](const QString& t) { return t.contains(u'.') || t.contains(u'/'); };
    if (hasSeparator(monthText))
        monthText = s.left(1);
    if (hasSeparator(yearText))
        yearText = QStringLiteral("20") + s.right(2);
    int year = 0;
    int month = 0;
    if (!tryStrToInt(yearText, year) || !tryStrToInt(monthText, month))
        return false;
    // Compared as unsigned 16-bit numbers: a month 0 wraps around and is never due.
    const auto y = quint16(year);
    const auto monthBefore = quint16(month - 1);
    if (y < quint16(currentYear))
        return true;
    return y == quint16(currentYear) && monthBefore <= quint16(currentMonth);
}
