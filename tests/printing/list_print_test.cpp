// The list printer on the even test page with fixed font metrics (see
// record_sheet_test.cpp): usable width 4000 px, T = 500, rows 100 px, 44 rows
// a page.

#include "print_ops_query.h"
#include "printing/list_print.h"
#include "printing_tests.h"

#include <QtTest>

namespace {

const QDate kToday(2023, 12, 8);

ListTable vehicleTable(int rows)
{
    ListTable table;
    table.columns = {{"", 2}, {"Kennzeichen", 85}, {"Hersteller", 150}, {"Typ", 100}};
    for (int r = 1; r <= rows; ++r)
        table.rows << QStringList{"", QStringLiteral("K-%1").arg(r), "VW", "Golf"};
    return table;
}

ListTable bookingTable()
{
    ListTable table;
    table.columns = {{"", 2},        {"BuchNr.", 60}, {"Datum", 80}, {"         Kostenart", 150},
                     {"Betrag", 80}, {"Kmstand", 100}};
    table.rows << QStringList{"", "1", "03.02.2023", "Kraftstoff", "65,50", "10200"};
    return table;
}

PrintDocument layout(const ListTable& table, ListKind kind)
{
    return layoutListview(table, kind, evenTestPage(), FixedFontMetrics(), kToday);
}

QList<int> xOf(const QList<PrintOp>& lines)
{
    QList<int> xs;
    for (const PrintOp& op : lines)
        xs << op.at.x();
    return xs;
}

} // namespace

void ListPrintTest::columnBoundariesFollowScreenWidths_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<int>>("verticalLines");
    QTest::addColumn<int>("ruleRight");
    // Vehicle list 2/85/150/100 of 337 px: shares of 4000 rounded to 24, 1009,
    // 1780 and 1187, lines from x[1].
    QTest::newRow("vehicle list") << int(ListKind::Vehicles) << QList<int>{374, 1383, 3163}
                                  << 4350 + 23;
    // Booking list 2/60/80/150/80/100 of 472 px: 17, 508, 678, 1271, 678, 847,
    // lines from x[2].
    QTest::newRow("booking list") << int(ListKind::Bookings) << QList<int>{875, 1553, 2824, 3502}
                                  << 4349 + 23;
}

void ListPrintTest::columnBoundariesFollowScreenWidths()
{
    QFETCH(int, kind);
    QFETCH(QList<int>, verticalLines);
    QFETCH(int, ruleRight);
    const ListKind listKind = ListKind(kind);
    const ListTable table = listKind == ListKind::Vehicles ? vehicleTable(1) : bookingTable();
    const OpsPage page = pagesOf(layout(table, listKind)).first();
    QCOMPARE(xOf(verticalLinesOn(page)), verticalLines);
    const PrintOp rule = linesOn(page).last();
    QCOMPARE(rule.at, QPoint(350 - 23, 590));
    QCOMPARE(rule.to, QPoint(ruleRight, 590));
    QVERIFY(hasText(page, listTitle(listKind)));
}

void ListPrintTest::pagesAndVerticalLines_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("pageLines");
    QTest::addColumn<QList<int>>("lineBottoms");
    QTest::newRow("exactly one page")
        << 44 << QStringList{"Date: 08.12.2023 Page: 1 / 1"} << QList<int>{500 + 46 * 100};
    QTest::newRow("one row more") << 45
                                  << QStringList{"Date: 08.12.2023 Page: 1 / 2",
                                                 "Date: 08.12.2023 Page: 2 / 2"}
                                  << QList<int>{500 + 45 * 100, 500 + 3 * 100};
    QTest::newRow("three pages") << 89
                                 << QStringList{"Date: 08.12.2023 Page: 1 / 3",
                                                "Date: 08.12.2023 Page: 2 / 3",
                                                "Date: 08.12.2023 Page: 3 / 3"}
                                 << QList<int>{5000, 5000, 800};
}

void ListPrintTest::pagesAndVerticalLines()
{
    QFETCH(int, rows);
    QFETCH(QStringList, pageLines);
    QFETCH(QList<int>, lineBottoms);
    const QList<OpsPage> pages = pagesOf(layout(vehicleTable(rows), ListKind::Vehicles));
    QCOMPARE(pages.size(), pageLines.size());
    for (int p = 0; p < pages.size(); ++p) {
        QVERIFY2(hasText(pages[p], pageLines[p]), qPrintable(pageLines[p]));
        QVERIFY(hasText(pages[p], "Kennzeichen"));
        for (const PrintOp& line : verticalLinesOn(pages[p])) {
            QCOMPARE(line.at.y(), 500);
            QCOMPARE(line.to.y(), lineBottoms[p]);
        }
        // Each page starts again with its first row just below the headers.
        const PrintOp firstPlate = textOp(pages[p], QStringLiteral("K-%1").arg(p * 44 + 1));
        QCOMPARE(firstPlate.at, QPoint(374 + 23, 600));
    }
    QVERIFY(hasText(pages.last(), QStringLiteral("K-%1").arg(rows)));
}

void ListPrintTest::emptyTablePrintsABlankPage()
{
    QVERIFY(layout(vehicleTable(0), ListKind::Vehicles).isEmpty());
}

void ListPrintTest::headersAreCentred()
{
    const OpsPage page = pagesOf(layout(vehicleTable(1), ListKind::Vehicles)).first();
    // "Kennzeichen" bold: 11 × 55 = 605 px in the column from 374 to 1383.
    const PrintOp header = textOp(page, "Kennzeichen");
    QCOMPARE(header.at, QPoint(374 + 1009 / 2 - 605 / 2, 480));
    QCOMPARE(header.clip, QRect(QPoint(397, 480), QPoint(1360 - 1, 580 - 1)));
}

void ListPrintTest::bookingAmountsAreRightAligned()
{
    const OpsPage page = pagesOf(layout(bookingTable(), ListKind::Bookings)).first();
    // "Betrag" runs from 2824 to 3502, "Kmstand" from 3502 to 4349.
    QCOMPARE(textOp(page, "65,50").at, QPoint(3502 - 23 - 5 * 50, 600));
    QCOMPARE(textOp(page, "10200").at, QPoint(4349 - 23 - 5 * 50, 600));
    QCOMPARE(textOp(page, "Kraftstoff").at, QPoint(1553 + 23, 600));

    ListTable vehicles = vehicleTable(1);
    vehicles.rows[0][3] = "Polo";
    const OpsPage vehiclePage = pagesOf(layout(vehicles, ListKind::Vehicles)).first();
    QCOMPARE(textOp(vehiclePage, "Polo").at, QPoint(3163 + 23, 600));
}

void ListPrintTest::missingCellPrintsEmpty()
{
    ListTable table = vehicleTable(1);
    table.rows[0] = QStringList{"", "K-1"};
    const QList<PrintOp> texts = textsOn(pagesOf(layout(table, ListKind::Vehicles)).first());
    const qsizetype plate = texts.indexOf(textOp(texts, "K-1"));
    QCOMPARE(texts.size(), plate + 3);
    QCOMPARE(texts[plate + 1].text, QString());
    QCOMPARE(texts[plate + 1].at, QPoint(1383 + 23, 600));
    QCOMPARE(texts[plate + 2].text, QString());
}
