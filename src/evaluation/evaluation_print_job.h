#pragma once
// Prints the evaluation: the print dialog through the prompts seam, then one
// job in landscape orientation. Cancelling prints nothing; a printer that fails
// gives the framework's printer message.

#include "common/app_context.h"
#include "evaluation/evaluation_print.h"

class QWidget;

bool printEvaluation(AppContext& context, QWidget* parent, const EvaluationPrintout& printout);
