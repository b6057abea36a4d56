#pragma once
// The head of every printed page, shared by record sheets and lists: the date
// and page line ending at the right margin and the title above the table.

#include "printing/page_metrics.h"
#include "printing/print_document.h"
#include "printing/print_font_metrics.h"

#include <QDate>

// "Date: 08.12.2023 Page: 1 / 3"
QString pageLineText(const QDate& today, int page, int pages);

// Draws the page line in 8 points and the title in 18 points. An ordinary title
// starts three x-units from the left; one so wide that it would come within
// 0.75 x-units of the page line is centred on the page instead.
void drawPageHead(PrintDocument& doc, const PageMetrics& page, const PrintFontMetrics& metrics,
                  const QString& title, const QDate& today, int pageNumber, int pages);
