#pragma once
// Printing from a window: show the print dialog through the prompts seam, and
// when the user confirms, print one copy in portrait orientation as one job.
// Cancelling prints nothing and says nothing; a printer that cannot be opened
// or fails gives the error box kPrinterFailedMessage.

#include "common/app_context.h"
#include "printing/list_print.h"
#include "printing/record_sheet.h"

#include <functional>

class QTreeWidget;
class QWidget;

inline const QString kPrinterFailedMessage = QStringLiteral("Der gewählte Drucker ist ungültig.");

// The pages of a job, computed once the printer (and so the page) is known.
using PageLayoutFunction =
    std::function<PrintDocument(const PageMetrics& page, const PrintFontMetrics& metrics)>;

// The common path of every printout; true when the job was printed.
bool runPrintJob(AppContext& context, QWidget* parent, const QString& jobName,
                 const PageLayoutFunction& layout);

// Prints a record sheet (record_sheet.h) under its job name.
bool PrintRecordSheet(AppContext& context, QWidget* parent, const RecordSheet& sheet);

// Prints a list under the job name "Listview Print".
bool PrintListview(AppContext& context, QWidget* parent, const ListTable& table, ListKind kind);

// The columns (caption, current width) and rows of a table window, in the order
// shown; the printed lists take their content from here.
ListTable listTableOf(const QTreeWidget& view);
