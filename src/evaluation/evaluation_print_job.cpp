#include "evaluation/evaluation_print_job.h"

#include "printing/print_job.h"
#include "printing/printer_painter.h"

#include <QPrinter>

bool printEvaluation(AppContext& context, QWidget* parent, const EvaluationPrintout& printout)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!context.prompts.choosePrinter(parent, printer))
        return false;
    // The page is measured after the orientation is set.
    printer.setDocName(printout.title.trimmed());
    printer.setPageOrientation(QPageLayout::Landscape);
    const PrinterFontMetrics metrics(printer);
    if (printer.isValid() &&
        replayOnPrinter(layoutEvaluationPrint(printout, pageMetricsOf(printer), metrics), printer))
        return true;
    context.prompts.error(parent, kPrinterFailedMessage);
    return false;
}
