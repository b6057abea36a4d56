#pragma once
// The evaluation as a semicolon-separated text file: the 14 grid rows, an empty
// line, a header line and the line of the figure boxes.

#include "evaluation/annual_evaluation.h"

#include <QStringList>

// What the window's boxes show: plate (or file count), year and the six figures.
struct EvaluationBoxes {
    QString kennzeichen;
    QString jahr;
    EvaluationFigures figures;
};

// "Auswertung" + year + "Kfz" + vehicle number + ".csv" in the data folder.
QString evaluationExportPath(const QString& dataDir, const QString& year, const QString& kfzNr);

// The 17 lines. Every grid cell is followed by ";"; the header and box lines are
// joined by ";" without one at the end. The CO2 unit is not written.
QStringList evaluationExportLines(const AnnualEvaluation& evaluation, const EvaluationBoxes& boxes);

// The framework's message for a file that cannot be created.
QString createFileErrorMessage(const QString& path, const QString& reason);
