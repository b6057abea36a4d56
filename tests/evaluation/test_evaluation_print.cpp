#include "evaluation/evaluation_print.h"
#include "test_env.h"
#include "test_suites.h"

#include <QtTest>

namespace {

// A4 landscape at 254 dots per inch: one pixel is a tenth of a millimetre, so
// the layout's own numbers appear unchanged in the operations.
PageMetrics a4Landscape(int height = 2100)
{
    PageMetrics page;
    page.width = 2970;
    page.height = height;
    page.resolution = 254;
    return page;
}

EvaluationPrintout printout()
{
    AnnualEvaluation evaluation;
    const EvaluationBoxes boxes{
        "AB-C 123", "2023", {"1000", "0,23", "7,5", "1,47", "75,0", "150,0"}};
    QList<int> widths{90};
    for (int column = 1; column < kGridSize; ++column)
        widths << 50;
    return evaluationPrintout(evaluation, boxes, "kg", widths);
}

QList<PrintOp> opsOf(const PrintDocument& doc, PrintOp::Kind kind)
{
    QList<PrintOp> found;
    for (const PrintOp& op : doc.ops())
        if (op.kind == kind)
            found << op;
    return found;
}

// Where each drawing of a text starts.
QList<QPoint> placesOf(const PrintDocument& doc, const QString& text)
{
    QList<QPoint> places;
    for (const PrintOp& op : opsOf(doc, PrintOp::Kind::Text))
        if (op.text == text)
            places << op.at;
    return places;
}

} // namespace

class TestEvaluationPrint : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void titleAndSummary();
    void rowsPerPage_data();
    void rowsPerPage();
    void a4LandscapeFitsOnePage();
    void gridRowsAndRules();
    void shortPaperContinuesOnSecondPage();
    void printerResolutionScalesPositions();
};

void TestEvaluationPrint::titleAndSummary()
{
    const EvaluationPrintout p = printout();
    QCOMPARE(p.title, QStringLiteral("Auswertung für Fahrzeug: AB-C 123   Jahr: 2023\r\n"));
    QCOMPARE(p.summary, QStringLiteral("Laufleistung: 1000   Kosten/Km: 0,23€   Verbrauch: "
                                       "7,5l/100Km   Literpreis: 1,47€   Verbrauch gesamt: "
                                       "75,0l   CO2 gesamt: 150,0kg"));
    QCOMPARE(p.rows.size(), 14);
    QCOMPARE(p.rows[0][3], QStringLiteral("  März"));
    QCOMPARE(p.rows[13][13], QStringLiteral("0,00"));
}

void TestEvaluationPrint::rowsPerPage_data()
{
    QTest::addColumn<int>("paperHeight");
    QTest::addColumn<int>("rows");
    QTest::newRow("A4 landscape") << 2100 << 50;
    QTest::newRow("A4 portrait") << 2970 << 74;
    QTest::newRow("short") << 800 << 13;
    QTest::newRow("no room for a row") << 300 << 1;
}

void TestEvaluationPrint::rowsPerPage()
{
    QFETCH(int, paperHeight);
    QFETCH(int, rows);
    QCOMPARE(evaluationRowsPerPage(paperHeight), rows);
}

void TestEvaluationPrint::a4LandscapeFitsOnePage()
{
    const FixedFontMetrics metrics; // 50 pixels a character at 10 points, 35 at 7
    const PrintDocument doc = layoutEvaluationPrint(printout(), a4Landscape(), metrics);
    QVERIFY(opsOf(doc, PrintOp::Kind::NewPage).isEmpty());
    // 46 characters of title at 50: 2970 / 3 - 2300 / 3.
    QCOMPARE(placesOf(doc, "Auswertung für Fahrzeug: AB-C 123   Jahr: 2023"),
             QList<QPoint>{QPoint(224, 20)});
    // 14 characters at 35: 2970 / 2 - 490 / 2, 150 above the paper's bottom.
    QCOMPARE(placesOf(doc, "Seite: 1 von 1"), QList<QPoint>{QPoint(1240, 1950)});
    const PrintOp rule = opsOf(doc, PrintOp::Kind::Line).first();
    QCOMPARE(rule.at, QPoint(0, 100));
    QCOMPARE(rule.to, QPoint(2970, 100));
    // The summary ends 500 right of the centre, below the 14th row; one too long
    // for that starts at the grid's left edge.
    const QString summary = printout().summary;
    QCOMPARE(placesOf(doc, summary), QList<QPoint>{QPoint(120, 614)});
    EvaluationPrintout shortSummary = printout();
    shortSummary.summary = QStringLiteral("Laufleistung: 0");
    QCOMPARE(
        placesOf(layoutEvaluationPrint(shortSummary, a4Landscape(), metrics), "Laufleistung: 0"),
        QList<QPoint>{QPoint(1985 - 15 * 50, 614)});
    const QList<PrintOp> fonts = opsOf(doc, PrintOp::Kind::SetFont);
    QCOMPARE(fonts.first().font.pointSize, 10);
    QCOMPARE(fonts[1].font.pointSize, 7);
}

void TestEvaluationPrint::gridRowsAndRules()
{
    const FixedFontMetrics metrics;
    const PrintDocument doc = layoutEvaluationPrint(printout(), a4Landscape(), metrics);
    QCOMPARE(placesOf(doc, "Kosten/Monat"), QList<QPoint>{QPoint(120, 110)});
    QCOMPARE(placesOf(doc, " Kraftstoff"), QList<QPoint>{QPoint(120, 146)});
    QCOMPARE(placesOf(doc, " Total"), QList<QPoint>{QPoint(120, 578)});
    // January starts at its column (120 + 90 × 3); later months end at their
    // column's right edge: February's column runs from 540 to 690.
    QCOMPARE(placesOf(doc, "  Jan"), QList<QPoint>{QPoint(390, 110)});
    QCOMPARE(placesOf(doc, "  Feb"), QList<QPoint>{QPoint(690 - 5 * 35, 110)});
    QCOMPARE(placesOf(doc, "  Total"), QList<QPoint>{QPoint(2340 - 7 * 35, 110)});

    int vertical = 0;
    int horizontal = 0;
    for (const PrintOp& op : opsOf(doc, PrintOp::Kind::Line).mid(1)) {
        if (op.at.x() == op.to.x()) {
            ++vertical;
            QCOMPARE(op.at.y() - op.to.y(), 41);
        } else {
            ++horizontal;
            QCOMPARE(op.at.x(), 50);
            QCOMPARE(op.to.x(), 2290);
        }
    }
    // Eleven column rules from the second row on; a rule under every row but the last.
    QCOMPARE(vertical, 11 * 13);
    QCOMPARE(horizontal, 13);
    const PrintOp firstColumnRule = opsOf(doc, PrintOp::Kind::Line)[2];
    QCOMPARE(firstColumnRule.at, QPoint(565, 142));
    QCOMPARE(firstColumnRule.to, QPoint(565, 101));
}

void TestEvaluationPrint::shortPaperContinuesOnSecondPage()
{
    const FixedFontMetrics metrics;
    const PrintDocument doc = layoutEvaluationPrint(printout(), a4Landscape(800), metrics);
    QCOMPARE(opsOf(doc, PrintOp::Kind::NewPage).size(), 1);
    QCOMPARE(placesOf(doc, "Seite: 1 von 2").size(), 1);
    QCOMPARE(placesOf(doc, "Seite: 2 von 2").size(), 1);
    QCOMPARE(placesOf(doc, " Sonstiges"), QList<QPoint>{QPoint(120, 542)});
    QCOMPARE(placesOf(doc, " Total"), QList<QPoint>{QPoint(120, 110)});
    const QString summary = printout().summary;
    QCOMPARE(placesOf(doc, summary).size(), 2);
    QCOMPARE(placesOf(doc, summary).last().y(), 146);

    const PrintDocument tiny = layoutEvaluationPrint(printout(), a4Landscape(300), metrics);
    QCOMPARE(opsOf(tiny, PrintOp::Kind::NewPage).size(), 13);
    QCOMPARE(placesOf(tiny, "Seite: 14 von 14").size(), 1);
}

void TestEvaluationPrint::printerResolutionScalesPositions()
{
    PageMetrics page;
    page.width = 6816;
    page.height = 4761;
    page.offsetX = 100;
    page.offsetY = 100;
    page.resolution = 600;
    const FixedFontMetrics metrics;
    const PrintDocument doc = layoutEvaluationPrint(printout(), page, metrics);
    QVERIFY(opsOf(doc, PrintOp::Kind::NewPage).isEmpty());
    const PrintOp rule = opsOf(doc, PrintOp::Kind::Line).first();
    QCOMPARE(rule.at, QPoint(0, 236));
    QCOMPARE(rule.to, QPoint(7016, 236));
    QCOMPARE(placesOf(doc, "Kosten/Monat"), QList<QPoint>{QPoint(283, 260)});
}

int runEvaluationPrintTests(int argc, char** argv)
{
    TestEvaluationPrint test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_evaluation_print.moc"
