// Record sheets laid out on an even test page with fixed font metrics:
// 10-point characters 50 px wide (bold 55), lines 100 px high, so that every
// position below can be worked out by hand. Table top T = 2.5 y-units = 500.

#include "print_ops_query.h"
#include "printing/record_sheet.h"
#include "printing/vehicle_data_sheet.h"
#include "printing_tests.h"

#include <QtTest>

namespace {

const QDate kToday(2023, 12, 8);

QList<QStringList> numberedRows(int count, int columns)
{
    QList<QStringList> rows;
    for (int r = 1; r <= count; ++r) {
        QStringList row;
        for (int c = 0; c < columns; ++c)
            row << QStringLiteral("r%1c%2").arg(r).arg(c);
        rows << row;
    }
    return rows;
}

PrintDocument layout(const RecordSheet& sheet)
{
    return layoutRecordSheet(sheet, evenTestPage(), FixedFontMetrics(), kToday);
}

} // namespace

void RecordSheetTest::columnBorders_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("secondColumnLeft");
    QTest::addColumn<int>("tableRight");
    // Usable width 4000: columns of R(1111.1) and R(740.7) pixels; the text
    // margin and the rule overhang are R(0.1 x-units) = 23.
    QTest::newRow("two columns") << 2 << 350 + 1111 + 23 << 350 + 2222 + 23;
    QTest::newRow("three columns") << 3 << 350 + 741 + 23 << 350 + 2223 + 23;
}

void RecordSheetTest::columnBorders()
{
    QFETCH(int, columns);
    QFETCH(int, secondColumnLeft);
    QFETCH(int, tableRight);
    const RecordSheet sheet = columns == 2 ? kfzdatenSheet("Kfzdaten", numberedRows(3, 2))
                                           : tyreSheet(numberedRows(3, 3));
    const OpsPage page = pagesOf(layout(sheet)).first();

    const PrintOp cell = textOp(page, "r1c1");
    QCOMPARE(cell.clip.left(), secondColumnLeft);
    QCOMPARE(cell.at, QPoint(secondColumnLeft, 600));
    const PrintOp headingRule = linesOn(page).first();
    QCOMPARE(headingRule.at, QPoint(350 - 23, 500 + 100 - 10));
    QCOMPARE(headingRule.to, QPoint(tableRight, 590));
}

void RecordSheetTest::headingsStartLeftOfTheMiddleByTheMeasureText()
{
    const OpsPage page = pagesOf(layout(kfzdatenSheet("Kfzdaten", {}))).first();
    // Column 0 runs from 350 to 1461; "++++Rubrik" in bold is 10 × 55 px wide.
    const PrintOp rubrik = textOp(page, "Rubrik");
    QCOMPARE(rubrik.at, QPoint(350 + 555 - 550, 480));
    QCOMPARE(rubrik.clip, QRect(QPoint(373, 480), QPoint(1438 - 1, 580 - 1)));
    QCOMPARE(textOp(page, "Eintrag").at, QPoint(1461 + 555 - 11 * 55, 480));
}

void RecordSheetTest::rowsFlowOntoFurtherPages_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("pageLines");
    QTest::addColumn<int>("lastRowY");
    // R((5443 - 5 × 200) ÷ 100) = 44 rows per page.
    QTest::newRow("no rows") << 0 << QStringList{"Date: 08.12.2023 Page: 1 / 1"} << 500;
    QTest::newRow("one page full")
        << 44 << QStringList{"Date: 08.12.2023 Page: 1 / 1"} << 500 + 44 * 100;
    QTest::newRow("one row more") << 45
                                  << QStringList{"Date: 08.12.2023 Page: 1 / 2",
                                                 "Date: 08.12.2023 Page: 2 / 2"}
                                  << 600;
    QTest::newRow("three pages") << 89
                                 << QStringList{"Date: 08.12.2023 Page: 1 / 3",
                                                "Date: 08.12.2023 Page: 2 / 3",
                                                "Date: 08.12.2023 Page: 3 / 3"}
                                 << 600;
}

void RecordSheetTest::rowsFlowOntoFurtherPages()
{
    QFETCH(int, rows);
    QFETCH(QStringList, pageLines);
    QFETCH(int, lastRowY);
    const QList<OpsPage> pages = pagesOf(layout(kfzdatenSheet("Kfzdaten", numberedRows(rows, 2))));

    QCOMPARE(pages.size(), pageLines.size());
    for (int p = 0; p < pages.size(); ++p) {
        QVERIFY2(hasText(pages[p], pageLines[p]), qPrintable(pageLines[p]));
        QVERIFY(hasText(pages[p], "Rubrik"));
        QVERIFY(hasText(pages[p], "Kfzdaten"));
        const int firstRow = p * 44 + 1;
        if (firstRow <= rows)
            QCOMPARE(textOp(pages[p], QStringLiteral("r%1c0").arg(firstRow)).at.y(), 600);
    }
    const PrintOp closingRule = linesOn(pages.last()).last();
    QCOMPARE(closingRule.at, QPoint(327, lastRowY + 100 - 10));
}

void RecordSheetTest::pageLineEndsAtTheRightMargin()
{
    const OpsPage page = pagesOf(layout(kfzdatenSheet("Kfzdaten", numberedRows(1, 2)))).first();
    // 28 characters at 8 points: 1120 px, ending at 4700 - 350.
    const PrintOp pageLine = textOp(page, "Date: 08.12.2023 Page: 1 / 1");
    QCOMPARE(pageLine.at, QPoint(4700 - 350 - 1120, 100));
}

void RecordSheetTest::titlePlacement_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("x");
    // The page line starts at 3230. At 18 points a character is 90 px wide.
    QTest::newRow("ordinary title at three x-units") << "Kfzdaten" << 700;
    // 15 characters: (4700 + 1350) div 2 + 175 = 3200 stays left of 3230.
    QTest::newRow("just narrow enough") << "Restwertkalkula" << 700;
    // 16 characters: (4700 + 1440) div 2 + 175 = 3245 reaches past it.
    QTest::newRow("wide title centred") << "Restwertkalkulat" << (4700 - 1440) / 2;
}

void RecordSheetTest::titlePlacement()
{
    QFETCH(QString, title);
    QFETCH(int, x);
    const OpsPage page = pagesOf(layout(kfzdatenSheet(title, numberedRows(1, 2)))).first();
    QCOMPARE(textOp(page, title).at, QPoint(x, 200));
}

void RecordSheetTest::closingRuleOffset_data()
{
    QTest::addColumn<double>("offset");
    QTest::addColumn<int>("ruleY");
    // Last of 13 rows at 500 + 1300; R(0.05 × 200) = 10, R(0.01 × 200) = 2.
    QTest::newRow("usual sheets") << 0.05 << 1800 + 100 - 10;
    QTest::newRow("tax and CO2 sheet") << 0.01 << 1800 + 100 - 2;
}

void RecordSheetTest::closingRuleOffset()
{
    QFETCH(double, offset);
    QFETCH(int, ruleY);
    const RecordSheet sheet = kfzdatenSheet("CO2 Emissionen", numberedRows(13, 2), offset);
    const PrintOp rule = linesOn(pagesOf(layout(sheet)).first()).last();
    QCOMPARE(rule.at, QPoint(327, ruleY));
    QCOMPARE(rule.to, QPoint(2595, ruleY));
}

void RecordSheetTest::tyreSheetSeparatesSummerFromWinter()
{
    const QList<OpsPage> pages = pagesOf(layout(tyreSheet(numberedRows(45, 3))));
    QCOMPARE(pages.size(), 2);
    // Border 2 lies at 350 + 2 × 741; the line reaches one row below the last.
    const QList<PrintOp> first = verticalLinesOn(pages[0]);
    QCOMPARE(first.size(), 1);
    QCOMPARE(first[0].at, QPoint(1832, 500));
    QCOMPARE(first[0].to, QPoint(1832, 500 + 45 * 100));
    const QList<PrintOp> second = verticalLinesOn(pages[1]);
    QCOMPARE(second.size(), 1);
    QCOMPARE(second[0].to, QPoint(1832, 500 + 2 * 100));
    QVERIFY(verticalLinesOn(pagesOf(layout(kfzdatenSheet("Kfzdaten", numberedRows(3, 2)))).first())
                .isEmpty());
}

void RecordSheetTest::longPlateIsClippedAtItsCell()
{
    KfzRecord vehicle;
    vehicle[Kennzeichen] = QString(80, u'W');
    const OpsPage page = pagesOf(layout(vehicleDataSheet(vehicle))).first();
    const PrintOp plate = textOp(page, vehicle[Kennzeichen]);
    QCOMPARE(plate.kind, PrintOp::Kind::ClippedText);
    // The value column ends at border 2 = 2572, less the margin.
    QCOMPARE(plate.clip, QRect(QPoint(1484, 700), QPoint(2549 - 1, 800 - 1)));
}

void RecordSheetTest::vehicleSheetRows()
{
    KfzRecord vehicle;
    vehicle[KfzNr] = "3";
    vehicle[Kennzeichen] = "K-AB 123";
    vehicle[ErstzulMonat] = "05";
    vehicle[ErstzulJahr] = "2019";
    vehicle[SchlNr22] = "ABC";
    vehicle[CO2Emission] = "128";
    vehicle[WartungKm] = "60000";
    const RecordSheet sheet = vehicleDataSheet(vehicle);

    QCOMPARE(sheet.jobName, "Kfzdaten");
    QCOMPARE(sheet.title, "Kfzdaten");
    QCOMPARE(sheet.rows.size(), 17);
    QCOMPARE(sheet.rows[0], (QStringList{"KfzNr:", "3"}));
    QCOMPARE(sheet.rows[2], (QStringList{"Erstzulassung Monat/Jahr:", "05.2019"}));
    QCOMPARE(sheet.rows[4], (QStringList{"Schlüsselnummer zu 2:", "ABC"}));
    QCOMPARE(sheet.rows[11], (QStringList{"CO2 g/km:", "128"}));
    QCOMPARE(sheet.rows[16], (QStringList{"Nächste Wartung bei Km:", "60000"}));

    // An empty field prints an empty cell beside its label.
    const OpsPage page = pagesOf(layout(sheet)).first();
    const PrintOp label = textOp(page, "Nächste HU:");
    QCOMPARE(label.at.y(), 500 + 13 * 100);
    const QList<PrintOp> texts = textsOn(page);
    const qsizetype labelIndex = texts.indexOf(label);
    QCOMPARE(texts.value(labelIndex + 1).text, QString());
    QCOMPARE(texts.value(labelIndex + 1).at, QPoint(1484, 1800));
}
