#pragma once
// A table window printed as a paginated list: title, date and page line, bold
// centred headers over a rule, vertical lines between columns and the rows in
// the order the window shows them. Paper column widths are the window's
// column widths scaled to the page.
//
// The windows call PrintListview (print_job.h); layoutListview computes the
// pages alone.

#include "printing/page_metrics.h"
#include "printing/print_document.h"
#include "printing/print_font_metrics.h"

#include <QDate>
#include <QList>
#include <QStringList>

struct ListTableColumn {
    QString caption;
    int width = 0; // on screen, in pixels
};

struct ListTable {
    QList<ListTableColumn> columns;
    QList<QStringList> rows; // one text per column; missing texts print empty
};

// A table from its column captions, screen widths and rows as shown.
ListTable makeListTable(const QStringList& captions, const QList<int>& widths,
                        const QList<QStringList>& rows);

// The two lists printed this way differ in where the vertical lines start and
// in the booking list's right-aligned amount and km columns, and in the title.
enum class ListKind { Bookings, Vehicles };

// "Buchungsliste" or "Fahrzeugliste".
QString listTitle(ListKind kind);

// A table without rows gives no drawing at all: one blank page.
PrintDocument layoutListview(const ListTable& table, ListKind kind, const PageMetrics& page,
                             const PrintFontMetrics& metrics, const QDate& today);
