#pragma once
// A record sheet: a one-table printout of what a window shows. The first
// column names each item, the other one or two hold the values.
//
// The windows that print one build a RecordSheet (usually with kfzdatenSheet or
// tyreSheet) and hand it to PrintRecordSheet (print_job.h), which shows the
// print dialog and prints it. layoutRecordSheet computes the pages alone.

#include "printing/page_metrics.h"
#include "printing/print_document.h"
#include "printing/print_font_metrics.h"

#include <QDate>
#include <QList>
#include <QStringList>

struct RecordSheetColumn {
    QString heading;
    // The heading starts this text's width (in bold) left of the column's middle.
    QString measureText;
};

struct RecordSheet {
    QString jobName;                  // the name the document is spooled under
    QString title;                    // printed at the top of every page
    QList<RecordSheetColumn> columns; // two or three
    QList<QStringList> rows;          // one text per column; missing texts print empty
    bool separatorLines = false;      // vertical lines between the value columns
    // Distance of the closing rule above the bottom of the last row, in y-units.
    double closingRuleOffset = 0.05;
};

// The two-column sheets "Rubrik" / "Eintrag" spooled as "Kfzdaten": the vehicle
// data, the tax and CO2 sheet (closing rule 0.01) and the residual value sheet.
RecordSheet kfzdatenSheet(const QString& title, const QList<QStringList>& rows,
                          double closingRuleOffset = 0.05);
// The three-column tyre sheet "Reifendaten": label, summer and winter value.
RecordSheet tyreSheet(const QList<QStringList>& rows);

PrintDocument layoutRecordSheet(const RecordSheet& sheet, const PageMetrics& page,
                                const PrintFontMetrics& metrics, const QDate& today);
