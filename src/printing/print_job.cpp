#include "printing/print_job.h"

#include "printing/printer_painter.h"

#include <QPrinter>
#include <QTreeWidget>

bool runPrintJob(AppContext& context, QWidget* parent, const QString& jobName,
                 const PageLayoutFunction& layout)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!context.prompts.choosePrinter(parent, printer))
        return false;
    // One copy in portrait, whatever the dialog said; the page is measured after
    // the orientation is set.
    printer.setDocName(jobName);
    printer.setCopyCount(1);
    printer.setPageOrientation(QPageLayout::Portrait);
    const PrinterFontMetrics metrics(printer);
    if (printer.isValid() && replayOnPrinter(layout(pageMetricsOf(printer), metrics), printer))
        return true;
    context.prompts.error(parent, kPrinterFailedMessage);
    return false;
}

bool PrintRecordSheet(AppContext& context, QWidget* parent, const RecordSheet& sheet)
{
    const QDate today = context.clock.today();
    return runPrintJob(context, parent, sheet.jobName,
                       [&](const PageMetrics& page, const PrintFontMetrics& metrics) {
                           return layoutRecordSheet(sheet, page, metrics, today);
                       });
}

bool PrintListview(AppContext& context, QWidget* parent, const ListTable& table, ListKind kind)
{
    const QDate today = context.clock.today();
    return runPrintJob(context, parent, QStringLiteral("Listview Print"),
                       [&](const PageMetrics& page, const PrintFontMetrics& metrics) {
                           return layoutListview(table, kind, page, metrics, today);
                       });
}

ListTable listTableOf(const QTreeWidget& view)
{
    QStringList captions;
    QList<int> widths;
    for (int c = 0; c < view.columnCount(); ++c) {
        captions.append(view.headerItem()->text(c));
        widths.append(view.columnWidth(c));
    }
    QList<QStringList> rows;
    for (int r = 0; r < view.topLevelItemCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < view.columnCount(); ++c)
            cells.append(view.topLevelItem(r)->text(c));
        rows.append(cells);
    }
    return makeListTable(captions, widths, rows);
}
