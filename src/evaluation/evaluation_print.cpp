#include "evaluation/evaluation_print.h"

#include <algorithm>

namespace {

// Lengths are tenths of a millimetre; fonts are given by their height in them.
constexpr int kTitleTop = 20;
constexpr int kRuleTop = 100;
constexpr int kGridTop = 110;
constexpr int kGridLeft = 120;
constexpr int kRowHeight = 36;
constexpr int kPageLineFromBottom = 150;
constexpr int kPageBottomSpace = 200;
constexpr int kScreenPixelToPrint = 3;
constexpr int kSummaryRightOfCentre = 500;

PrintFont fontOfHeight(int tenthsOfMm)
{
    PrintFont font;
    font.family = QStringLiteral("Arial");
    font.pointSize = roundPixel(tenthsOfMm / 254.0 * 72);
    return font;
}

class PrintUnits {
public:
    PrintUnits(const PageMetrics& page, const PrintFontMetrics& metrics)
        : m_resolution(std::max(1, page.resolution)), m_metrics(metrics)
    {
        // Whole millimetres of the paper, from its size in pixels, truncated.
        paperWidth = (page.width + 2 * page.offsetX) * 254 / (m_resolution * 10) * 10;
        paperHeight = (page.height + 2 * page.offsetY) * 254 / (m_resolution * 10) * 10;
    }

    int toDevice(int tenthsOfMm) const { return roundPixel(tenthsOfMm * m_resolution / 254.0); }
    int width(const PrintFont& font, const QString& text) const
    {
        return roundPixel(m_metrics.textWidth(font, text) * 254.0 / m_resolution);
    }
    void text(PrintDocument& doc, int x, int y, const QString& text) const
    {
        doc.text(toDevice(x), toDevice(y), text);
    }
    void line(PrintDocument& doc, int x1, int y1, int x2, int y2) const
    {
        doc.line(toDevice(x1), toDevice(y1), toDevice(x2), toDevice(y2));
    }

    int paperWidth = 0;
    int paperHeight = 0;

private:
    int m_resolution;
    const PrintFontMetrics& m_metrics;
};

// One grid row: labels and January start at their column, the other columns
// end at their column's right edge, so that no two months share a column.
// Returns the x where the row ends.
int drawGridRow(PrintDocument& doc, const PrintUnits& units, const PrintFont& font,
                const EvaluationPrintout& printout, int row, int y, bool ruleAbove)
{
    const QStringList& cells = printout.rows.value(row);
    int x = kGridLeft;
    for (int column = 0; column < printout.columnWidths.size(); ++column) {
        const int columnWidth = printout.columnWidths[column] * kScreenPixelToPrint;
        const QString text = cells.value(column);
        if (column <= 1)
            units.text(doc, x, y, text);
        else
            units.text(doc, x + columnWidth - units.width(font, text), y, text);
        x += columnWidth;
        if (column >= 1 && column <= 11 && ruleAbove)
            units.line(doc, x + 25, y - 4, x + 25, y - 45);
    }
    return x;
}

} // namespace

QString evaluationPrintTitle(const QString& plate, const QString& year)
{
    return QStringLiteral("Auswertung für Fahrzeug: ") + plate + QStringLiteral("   Jahr: ") +
           year + QStringLiteral("\r\n");
}

QString evaluationSummaryLine(const EvaluationBoxes& boxes, const QString& co2Unit)
{
    const EvaluationFigures& f = boxes.figures;
    return QStringLiteral("Laufleistung: ") + f.km + QStringLiteral("   Kosten/Km: ") +
           f.costPerKm + QStringLiteral("€   Verbrauch: ") + f.consumption +
           QStringLiteral("l/100Km   Literpreis: ") + f.litrePrice + QStringLiteral("€") +
           QStringLiteral("   Verbrauch gesamt: ") + f.litres + QStringLiteral("l   CO2 gesamt: ") +
           f.co2 + co2Unit;
}

EvaluationPrintout evaluationPrintout(const AnnualEvaluation& evaluation,
                                      const EvaluationBoxes& boxes, const QString& co2Unit,
                                      const QList<int>& columnWidths)
{
    EvaluationPrintout printout;
    printout.title = evaluationPrintTitle(boxes.kennzeichen, boxes.jahr);
    for (int row = 0; row < kGridSize; ++row) {
        QStringList cells;
        for (int column = 0; column < kGridSize; ++column)
            cells << evaluation.cell(column, row);
        printout.rows << cells;
    }
    printout.columnWidths = columnWidths;
    printout.summary = evaluationSummaryLine(boxes, co2Unit);
    return printout;
}

int evaluationRowsPerPage(int paperHeight)
{
    // Paper too small for a single row still prints one per page.
    return std::max(1, (paperHeight - kRuleTop - kPageBottomSpace) / kRowHeight);
}

PrintDocument layoutEvaluationPrint(const EvaluationPrintout& printout, const PageMetrics& page,
                                    const PrintFontMetrics& metrics)
{
    const PrintUnits units(page, metrics);
    const int width = units.paperWidth;
    const int height = units.paperHeight;
    const int rows = int(printout.rows.size());
    const int rowsPerPage = evaluationRowsPerPage(height);
    const int pages = (rows + rowsPerPage - 1) / rowsPerPage;
    const PrintFont large = fontOfHeight(36);
    const PrintFont small = fontOfHeight(24);
    // The title's line break ends the job name's line; on paper it has nothing to break.
    const QString title = printout.title.trimmed();

    PrintDocument doc;
    for (int pageNumber = 1; pageNumber <= pages; ++pageNumber) {
        doc.setFont(large);
        units.text(doc, width / 3 - units.width(large, title) / 3, kTitleTop, title);
        units.line(doc, 0, kRuleTop, width, kRuleTop);
        doc.setFont(small);
        const QString pageLine = QStringLiteral("Seite: %1 von %2").arg(pageNumber).arg(pages);
        units.text(doc, width / 2 - units.width(small, pageLine) / 2, height - kPageLineFromBottom,
                   pageLine);
        int y = kGridTop;
        for (int line = 1; line <= rowsPerPage; ++line) {
            const int row = (pageNumber - 1) * rowsPerPage + line - 1;
            if (row >= rows)
                break;
            const int rowEnd = drawGridRow(doc, units, small, printout, row, y, line > 1);
            y += kRowHeight;
            if (line < kGridSize)
                units.line(doc, 50, y - 3, rowEnd - 50, y - 3);
        }
        doc.setFont(large);
        // A summary longer than the room left of its end starts at the grid's
        // left edge instead of running off the paper.
        const int summaryEnd = width / 2 + kSummaryRightOfCentre;
        units.text(doc, std::max(kGridLeft, summaryEnd - units.width(large, printout.summary)), y,
                   printout.summary);
        if (pageNumber < pages)
            doc.newPage();
    }
    return doc;
}
