#include "printing/list_print.h"

#include "printing/page_furniture.h"

#include <algorithm>

QString listTitle(ListKind kind)
{
    return kind == ListKind::Bookings ? QStringLiteral("Buchungsliste")
                                      : QStringLiteral("Fahrzeugliste");
}

ListTable makeListTable(const QStringList& captions, const QList<int>& widths,
                        const QList<QStringList>& rows)
{
    ListTable table;
    for (qsizetype c = 0; c < captions.size(); ++c)
        table.columns.append({captions[c], widths.value(c)});
    table.rows = rows;
    return table;
}

namespace {

int firstVerticalLine(ListKind kind)
{
    return kind == ListKind::Bookings ? 2 : 1;
}

bool rightAligned(ListKind kind, int column)
{
    // "Betrag" and "Kmstand" of the booking list.
    return kind == ListKind::Bookings && (column == 4 || column == 5);
}

class ListLayout {
public:
    ListLayout(const ListTable& table, ListKind kind, const PageMetrics& page,
               const PrintFontMetrics& metrics, const QDate& today)
        : m_table(table), m_kind(kind), m_title(listTitle(kind)), m_page(page), m_metrics(metrics),
          m_units(page), m_today(today)
    {
        computeBoundaries();
        m_top = m_units.y(2.5);
        m_lineHeight = std::max(1, metrics.textHeight(tableFont(), QStringLiteral("dummy")));
        // A page too small for one row still prints one per page rather than none.
        m_rowsPerPage = std::max(1, roundPixel((page.height - 5 * m_units.yUnit()) / m_lineHeight));
        m_pages = std::max<int>(1, (rowCount() + m_rowsPerPage - 1) / m_rowsPerPage);
    }

    PrintDocument run()
    {
        int r = 0;
        int pageNumber = 0;
        for (int row = 0; row < rowCount(); ++row) {
            if (r == 0 || r > m_rowsPerPage) {
                if (r > m_rowsPerPage)
                    m_doc.newPage();
                r = 1;
                drawPageFurniture(++pageNumber, rowCount() - row);
            }
            drawRow(m_table.rows.at(row), m_top + r * m_lineHeight);
            ++r;
        }
        return m_doc;
    }

private:
    int rowCount() const { return int(m_table.rows.size()); }
    int columnCount() const { return int(m_table.columns.size()); }

    void computeBoundaries()
    {
        double screenWidth = 0;
        for (const ListTableColumn& column : m_table.columns)
            screenWidth += std::max(0, column.width);
        m_x.append(m_units.x(1.5));
        const int usable = (m_page.width - m_units.x(1.5)) - m_x.first();
        for (const ListTableColumn& column : m_table.columns) {
            // Columns all shrunk to nothing on screen share the page evenly.
            const double share =
                screenWidth > 0 ? std::max(0, column.width) / screenWidth : 1.0 / columnCount();
            m_x.append(m_x.last() + roundPixel(share * usable));
        }
    }

    void drawPageFurniture(int pageNumber, int rowsLeft)
    {
        const bool lastPage = pageNumber == m_pages;
        const int lineRows = lastPage ? rowsLeft + 2 : m_rowsPerPage + 1;
        for (int i = firstVerticalLine(m_kind); i <= columnCount() - 1; ++i)
            m_doc.line(m_x[i], m_top, m_x[i], m_top + lineRows * m_lineHeight);

        m_doc.setFont(headingFont());
        const int headerY = m_top - m_units.y(0.1);
        for (int i = 0; i < columnCount(); ++i) {
            const QString& caption = m_table.columns.at(i).caption;
            const int x = m_x[i] + (m_x[i + 1] - m_x[i]) / 2 -
                          m_metrics.textWidth(headingFont(), caption) / 2;
            m_doc.clippedText(m_x[i] + m_units.x(0.1), headerY, m_x[i + 1] - m_units.x(0.1),
                              headerY + m_lineHeight, x, headerY, caption);
        }
        const int ruleY = m_top + m_lineHeight - m_units.y(0.05);
        m_doc.line(m_x.first() - m_units.x(0.1), ruleY, m_x.last() + m_units.x(0.1), ruleY);

        drawPageHead(m_doc, m_page, m_metrics, m_title, m_today, pageNumber, m_pages);
        m_doc.setFont(tableFont());
    }

    void drawRow(const QStringList& cells, int top)
    {
        const int bottom = top + m_lineHeight;
        for (int i = 0; i < columnCount(); ++i) {
            const int left = m_x[i] + m_units.x(0.1);
            const int right = m_x[i + 1] - m_units.x(0.1);
            const QString text = cells.value(i);
            const int x =
                rightAligned(m_kind, i) ? right - m_metrics.textWidth(tableFont(), text) : left;
            m_doc.clippedText(left, top, right, bottom, x, top, text);
        }
    }

    const ListTable& m_table;
    const ListKind m_kind;
    const QString m_title;
    const PageMetrics& m_page;
    const PrintFontMetrics& m_metrics;
    const PageUnits m_units;
    const QDate m_today;
    QList<int> m_x;
    int m_top = 0;
    int m_lineHeight = 0;
    int m_rowsPerPage = 1;
    int m_pages = 1;
    PrintDocument m_doc;
};

} // namespace

PrintDocument layoutListview(const ListTable& table, ListKind kind, const PageMetrics& page,
                             const PrintFontMetrics& metrics, const QDate& today)
{
    return ListLayout(table, kind, page, metrics, today).run();
}
