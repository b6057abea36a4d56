#include "evaluation/evaluation_export.h"

QString evaluationExportPath(const QString& dataDir, const QString& year, const QString& kfzNr)
{
    return dataDir + QStringLiteral("Auswertung") + year + QStringLiteral("Kfz") + kfzNr +
           QStringLiteral(".csv");
}

QStringList evaluationExportLines(const AnnualEvaluation& evaluation, const EvaluationBoxes& boxes)
{
    QStringList lines;
    for (int row = 0; row < kGridSize; ++row) {
        QString line;
        for (int column = 0; column < kGridSize; ++column)
            line += evaluation.cell(column, row) + u';';
        lines << line;
    }
    lines << QString();
    // The misspelt "Gefarene Km" is the header readers of these files know.
    lines << QStringList{QStringLiteral("Kennzeichen"),       QStringLiteral("Jahr"),
                         QStringLiteral("Gefarene Km"),       QStringLiteral("Kosten Km"),
                         QStringLiteral("Verbrauch L/100Km"), QStringLiteral("Literpreis"),
                         QStringLiteral("Liter gesamt"),      QStringLiteral("CO2 gesamt")}
                 .join(u';');
    const EvaluationFigures& f = boxes.figures;
    lines << QStringList{boxes.kennzeichen, boxes.jahr,   f.km,     f.costPerKm,
                         f.consumption,     f.litrePrice, f.litres, f.co2}
                 .join(u';');
    return lines;
}

QString createFileErrorMessage(const QString& path, const QString& reason)
{
    return QStringLiteral("Datei \"%1\" kann nicht erstellt werden. %2").arg(path, reason);
}
