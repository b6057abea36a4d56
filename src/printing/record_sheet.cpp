#include "printing/record_sheet.h"

#include "printing/page_furniture.h"

#include <algorithm>

RecordSheet kfzdatenSheet(const QString& title, const QList<QStringList>& rows,
                          double closingRuleOffset)
{
    RecordSheet sheet;
    sheet.jobName = QStringLiteral("Kfzdaten");
    sheet.title = title;
    sheet.columns = {{QStringLiteral("Rubrik"), QStringLiteral("++++Rubrik")},
                     {QStringLiteral("Eintrag"), QStringLiteral("++++Eintrag")}};
    sheet.rows = rows;
    sheet.closingRuleOffset = closingRuleOffset;
    return sheet;
}

RecordSheet tyreSheet(const QList<QStringList>& rows)
{
    RecordSheet sheet;
    sheet.jobName = QStringLiteral("Reifendaten");
    sheet.title = QStringLiteral("Reifendaten");
    sheet.columns = {{QStringLiteral("Daten"), QStringLiteral("fendaten")},
                     {QStringLiteral("Sommerreifen"), QStringLiteral("merreifen")},
                     {QStringLiteral("Winterreifen"), QStringLiteral("nterreifen")}};
    sheet.rows = rows;
    sheet.separatorLines = true;
    return sheet;
}

namespace {

class RecordSheetLayout {
public:
    RecordSheetLayout(const RecordSheet& sheet, const PageMetrics& page,
                      const PrintFontMetrics& metrics, const QDate& today)
        : m_sheet(sheet), m_page(page), m_metrics(metrics), m_units(page), m_today(today)
    {
        const int columnCount = int(sheet.columns.size());
        m_borders.append(m_units.x(1.5));
        const int usable = (page.width - m_units.x(1.5)) - m_borders.first();
        // The table takes five ninths of the usable width, split evenly.
        const int columnWidth = roundPixel(usable * 100.0 / (180.0 * columnCount));
        for (int c = 0; c < columnCount; ++c)
            m_borders.append(m_borders.last() + columnWidth);

        m_top = m_units.y(2.5);
        m_lineHeight = std::max(1, metrics.textHeight(tableFont(), QStringLiteral("dummy")));
        // A page too small for one row still prints one per page rather than none.
        m_rowsPerPage = std::max(1, roundPixel((page.height - 5 * m_units.yUnit()) / m_lineHeight));
        m_pages = std::max<int>(1, (int(sheet.rows.size()) + m_rowsPerPage - 1) / m_rowsPerPage);
    }

    PrintDocument run()
    {
        const int rowCount = int(m_sheet.rows.size());
        int lastRowY = m_top;
        for (int pageIndex = 0; pageIndex < m_pages; ++pageIndex) {
            if (pageIndex > 0)
                m_doc.newPage();
            const int first = pageIndex * m_rowsPerPage;
            const int rowsHere = std::min(m_rowsPerPage, rowCount - first);
            drawPageFurniture(pageIndex + 1, std::max(rowsHere, 0));
            for (int r = 1; r <= rowsHere; ++r) {
                lastRowY = m_top + r * m_lineHeight;
                drawRow(m_sheet.rows.at(first + r - 1), lastRowY);
            }
        }
        const int ruleY = lastRowY + m_lineHeight - m_units.y(m_sheet.closingRuleOffset);
        m_doc.line(tableLeft(), ruleY, tableRight(), ruleY);
        return m_doc;
    }

private:
    int columnCount() const { return int(m_sheet.columns.size()); }
    int tableLeft() const { return m_borders.first() - m_units.x(0.1); }
    int tableRight() const { return m_borders.last() + m_units.x(0.1); }

    void drawPageFurniture(int pageNumber, int rowsOnPage)
    {
        const int headingY = m_top - m_units.y(0.1);
        m_doc.setFont(headingFont());
        for (int c = 0; c < columnCount(); ++c) {
            const RecordSheetColumn& column = m_sheet.columns.at(c);
            const int x = m_borders[c] + (m_borders[c + 1] - m_borders[c]) / 2 -
                          m_metrics.textWidth(headingFont(), column.measureText);
            m_doc.clippedText(m_borders[c] + m_units.x(0.1), headingY,
                              m_borders[c + 1] - m_units.x(0.1), headingY + m_lineHeight, x,
                              headingY, column.heading);
        }
        const int ruleY = m_top + m_lineHeight - m_units.y(0.05);
        m_doc.line(tableLeft(), ruleY, tableRight(), ruleY);

        drawPageHead(m_doc, m_page, m_metrics, m_sheet.title, m_today, pageNumber, m_pages);

        if (m_sheet.separatorLines) {
            const int bottom = m_top + (rowsOnPage + 1) * m_lineHeight;
            for (int c = 2; c <= columnCount() - 1; ++c)
                m_doc.line(m_borders[c], m_top, m_borders[c], bottom);
        }
        m_doc.setFont(tableFont());
    }

    void drawRow(const QStringList& cells, int y)
    {
        for (int c = 0; c < columnCount(); ++c) {
            const int left = m_borders[c] + m_units.x(0.1);
            m_doc.clippedText(left, y, m_borders[c + 1] - m_units.x(0.1), y + m_lineHeight, left, y,
                              cells.value(c));
        }
    }

    const RecordSheet& m_sheet;
    const PageMetrics& m_page;
    const PrintFontMetrics& m_metrics;
    const PageUnits m_units;
    const QDate m_today;
    QList<int> m_borders;
    int m_top = 0;
    int m_lineHeight = 0;
    int m_rowsPerPage = 1;
    int m_pages = 1;
    PrintDocument m_doc;
};

} // namespace

PrintDocument layoutRecordSheet(const RecordSheet& sheet, const PageMetrics& page,
                                const PrintFontMetrics& metrics, const QDate& today)
{
    return RecordSheetLayout(sheet, page, metrics, today).run();
}
