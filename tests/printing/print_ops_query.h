#pragma once
// Reading a PrintDocument in tests: its pages, the texts and lines on them.

#include "printing/page_metrics.h"
#include "printing/print_document.h"

#include <QList>

using OpsPage = QList<PrintOp>;

// The operations split at NewPage; a document without operations has no page.
QList<OpsPage> pagesOf(const PrintDocument& doc);
QList<PrintOp> textsOn(const OpsPage& page);
QList<PrintOp> linesOn(const OpsPage& page);
QList<PrintOp> verticalLinesOn(const OpsPage& page);
// The first text operation with exactly this text; a Kind::NewPage op when none.
PrintOp textOp(const OpsPage& page, const QString& text);
bool hasText(const OpsPage& page, const QString& text);

// A page whose units come out even: x-unit 233.33 (1.5 units = 350 px, so the
// usable width is 4000 px) and y-unit 200; with 100-pixel lines 44 rows fit.
PageMetrics evenTestPage();
