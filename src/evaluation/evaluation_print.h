#pragma once
// The evaluation printout: a landscape page with the title, the cost grid row by
// row and the figures as one summary line, laid out in tenths of a millimetre
// and handed over as drawing operations in device pixels.

#include "evaluation/evaluation_export.h"
#include "printing/page_metrics.h"
#include "printing/print_document.h"
#include "printing/print_font_metrics.h"

#include <QList>
#include <QStringList>

struct EvaluationPrintout {
    QString title;
    QList<QStringList> rows; // the grid's rows, each its 14 cell texts
    QList<int> columnWidths; // the grid's column widths on screen, in pixels
    QString summary;
};

// "Auswertung für Fahrzeug: " + plate + "   Jahr: " + year, ended by CR LF.
QString evaluationPrintTitle(const QString& plate, const QString& year);
// The figures as the boxes show them, with their units.
QString evaluationSummaryLine(const EvaluationBoxes& boxes, const QString& co2Unit);
// The grid's texts and column widths, the title and summary line for printing.
EvaluationPrintout evaluationPrintout(const AnnualEvaluation& evaluation,
                                      const EvaluationBoxes& boxes, const QString& co2Unit,
                                      const QList<int>& columnWidths);

// Grid rows per page for a paper height in tenths of a millimetre; at least one.
int evaluationRowsPerPage(int paperHeight);

PrintDocument layoutEvaluationPrint(const EvaluationPrintout& printout, const PageMetrics& page,
                                    const PrintFontMetrics& metrics);
