#include "common/conversions.h"
#include "evaluation/annual_evaluation.h"
#include "test_env.h"
#include "test_suites.h"

#include <QtTest>

namespace {

// One booking line as the booking window writes it.
QString booking(const QString& date, const QString& category, const QString& amount,
                const QString& litres, const QString& km, const QString& previousKm)
{
    return QStringList{"3", "AB-C 123", date, category, amount, "text", "1", litres, km, previousKm}
        .join(u';');
}

QByteArray bookingFile(const QStringList& lines, const char* lineEnd = "\r\n")
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += ansi(line) + lineEnd;
    return bytes;
}

// The six figures and the CO2 unit, in the order the window shows them.
QStringList figuresOf(const AnnualEvaluation& evaluation)
{
    const EvaluationFigures& f = evaluation.figures();
    return {f.km, f.costPerKm, f.consumption, f.litrePrice, f.litres, f.co2, evaluation.co2Unit()};
}

// Checks "column,row=text" entries against the grid.
void verifyCells(const AnnualEvaluation& evaluation, const QStringList& checks)
{
    for (const QString& check : checks) {
        const QStringList place = check.section(u'=', 0, 0).split(u',');
        const QString expected = check.section(u'=', 1);
        QCOMPARE(evaluation.cell(place[0].toInt(), place[1].toInt()), expected);
    }
}

void verifyAllValueCells(const AnnualEvaluation& evaluation, const QString& text)
{
    for (int column = 1; column < kGridSize; ++column)
        for (int row = 1; row < kGridSize; ++row)
            QCOMPARE(evaluation.cell(column, row), text);
}

} // namespace

class TestAnnualEvaluation : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void labels();
    void vehicleRun_data();
    void vehicleRun();
    void missingFileLeavesEverythingAtReset();
    void missingFilePassChangesNothing();
    void readsLfEndingsAndSkipsBlankLines();
    void badValueStopsTheRun_data();
    void badValueStopsTheRun();
    void badCo2KeepsKmButNotTotals();
    void fleetRunSumsVehicles();
    void monthCarriesAcrossFilesAndRuns();
    void exportEncodingFollowsLastFileRead();
    void fiveMegabyteFile();
};

void TestAnnualEvaluation::labels()
{
    const AnnualEvaluation evaluation;
    QCOMPARE(evaluation.cell(0, 0), QStringLiteral("Kosten/Monat"));
    QCOMPARE(evaluation.cell(1, 0), QStringLiteral("  Jan"));
    QCOMPARE(evaluation.cell(3, 0), QStringLiteral("  März"));
    QCOMPARE(evaluation.cell(12, 0), QStringLiteral("  Dez"));
    QCOMPARE(evaluation.cell(13, 0), QStringLiteral("  Total"));
    QCOMPARE(evaluation.cell(0, 1), QStringLiteral(" Kraftstoff"));
    QCOMPARE(evaluation.cell(0, 2), QStringLiteral(" Betriebsstoffe"));
    QCOMPARE(evaluation.cell(0, 11), QStringLiteral(" Zubehör"));
    QCOMPARE(evaluation.cell(0, 12), QStringLiteral(" Sonstiges"));
    QCOMPARE(evaluation.cell(0, 13), QStringLiteral(" Total"));
    QCOMPARE(evaluation.co2Unit(), QStringLiteral("g"));
}

void TestAnnualEvaluation::vehicleRun_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("co2");
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QStringList>("figures");

    QTest::newRow("file without lines, CO2 set")
        << QStringList{} << "150" << QStringList{"1,1=0,00", "13,13=0,00", "12,12=0,00"}
        << QStringList{"0", "0,00", "0,0", "0,00", "0,0", "0,0", "g"};

    QTest::newRow("categories find their rows")
        << QStringList{booking("10.01.2024", "Schmierstoffe", "12,50", "1,0", "1000", "900"),
                       booking("10.01.2024", "Betriebsstoffe", "7,50", "", "1000", "900"),
                       booking("11.02.2024", "Maut", "3,00", "", "1000", "900"),
                       booking("11.02.2024", "", "4,00", "", "1000", "900"),
                       booking("11.02.2024", "Sonstiges", "5,00", "", "1000", "900"),
                       booking("11.02.2024", "kraftstoff", "6,00", "", "1000", "900"),
                       booking("20.03.2024", "Zubehör", "8,00", "", "1000", "900")}
        << "" << QStringList{"1,2=20,00",   "2,12=18,00", "2,1=0,00",   "3,11=8,00",  "13,2=20,00",
                             "13,12=18,00", "1,13=20,00", "2,13=18,00", "13,13=46,00"}
        << QStringList{"100", "0,46", "0,0", "0,00", "0,0", "", ""};

    QTest::newRow("litres of consumables do not count")
        << QStringList{booking("05.04.2024", "Kraftstoff", "50,00", "10,0", "1100", "1000"),
                       booking("06.04.2024", "Betriebsstoffe", "20,00", "5,0", "1100", "1100")}
        << "" << QStringList{"4,1=50,00", "4,2=20,00", "4,13=70,00", "13,1=50,00"}
        << QStringList{"100", "0,70", "10,0", "5,00", "10,0", "", ""};

    QTest::newRow("date of another year counts in its month")
        << QStringList{booking("15.12.2020", "Wartung", "99,90", "", "500", "400")} << ""
        << QStringList{"12,4=99,90", "1,4=0,00", "12,13=99,90", "13,4=99,90"}
        << QStringList{"100", "1,00", "0,0", "0,00", "0,0", "", ""};

    QTest::newRow("undated booking falls into the month before it, time of day accepted")
        << QStringList{booking("15.03.2024 14:30", "Wartung", "10,00", "", "500", "400"),
                       booking("", "Reparatur", "20,00", "", "500", "500")}
        << "" << QStringList{"3,4=10,00", "3,5=20,00", "3,13=30,00"}
        << QStringList{"100", "0,30", "0,0", "0,00", "0,0", "", ""};

    QTest::newRow("start and end of the year")
        << QStringList{booking("01.01.2024", "Wartung", "1,00", "", "10500", "10000"),
                       booking("02.01.2024", "Wartung", "1,00", "", "11000", "10500")}
        << "" << QStringList{} << QStringList{"1000", "0,00", "0,0", "0,00", "0,0", "", ""};
    QTest::newRow("reading before the first booking of 0")
        << QStringList{booking("01.01.2024", "Wartung", "1,00", "", "10500", "0"),
                       booking("02.01.2024", "Wartung", "1,00", "", "11000", "10500")}
        << "" << QStringList{} << QStringList{"500", "0,00", "0,0", "0,00", "0,0", "", ""};
    QTest::newRow("single booking from 0")
        << QStringList{booking("01.01.2024", "Wartung", "1,00", "", "10500", "0")} << ""
        << QStringList{} << QStringList{"10500", "0,00", "0,0", "0,00", "0,0", "", ""};
    QTest::newRow("readings running backwards, negative amount")
        << QStringList{booking("01.01.2024", "Wartung", "50,00", "", "1000", "1000"),
                       booking("02.01.2024", "Wartung", "-80,00", "", "900", "1000")}
        << "" << QStringList{"1,4=-30,00", "13,13=-30,00"}
        << QStringList{"0", "0,00", "0,0", "0,00", "0,0", "", ""};

    QTest::newRow("CO2 in tonnes")
        << QStringList{booking("01.01.2024", "Wartung", "1,00", "", "22000", "10000")} << "150"
        << QStringList{} << QStringList{"12000", "0,00", "0,0", "0,00", "0,0", "1,8", "t"};
    QTest::newRow("CO2 in grams") << QStringList{booking("01.01.2024", "Wartung", "1,00", "",
                                                         "10005", "10000")}
                                  << "150" << QStringList{}
                                  << QStringList{"5", "0,20", "0,0", "0,00", "0,0", "750,0", "g"};
    QTest::newRow("exactly a million grams stays in kg")
        << QStringList{booking("01.01.2024", "Wartung", "1,00", "", "20000", "10000")} << "100"
        << QStringList{} << QStringList{"10000", "0,00", "0,0", "0,00", "0,0", "1000,0", "kg"};
    QTest::newRow("exactly a thousand grams stays in g")
        << QStringList{booking("01.01.2024", "Wartung", "1,00", "", "10010", "10000")} << "100"
        << QStringList{} << QStringList{"10", "0,10", "0,0", "0,00", "0,0", "1000,0", "g"};
    QTest::newRow("CO2 with decimals and blanks")
        << QStringList{booking("01.01.2024", "Wartung", "1,00", "", "11000", "10000")} << " 120,5 "
        << QStringList{} << QStringList{"1000", "0,00", "0,0", "0,00", "0,0", "120,5", "kg"};

    QTest::newRow("totals add the rounded cells")
        << QStringList{booking("03.01.2024", "Wartung", "0,004", "", "100", "100"),
                       booking("03.01.2024", "Reparatur", "0,004", "", "100", "100"),
                       booking("03.02.2024", "Pflege/Waschen", "0,004", "", "100", "100"),
                       booking("04.02.2024", "Pflege/Waschen", "0,004", "", "100", "100")}
        << ""
        << QStringList{"1,4=0,00", "1,5=0,00", "1,13=0,00", "2,3=0,01", "2,13=0,01", "13,13=0,01"}
        << QStringList{"0", "0,00", "0,0", "0,00", "0,0", "", ""};

    QTest::newRow("fuel without litres")
        << QStringList{booking("01.05.2024", "Kraftstoff", "60,00", "", "10500", "10000")} << ""
        << QStringList{"5,1=60,00"} << QStringList{"500", "0,12", "0,0", "0,00", "0,0", "", ""};

    QTest::newRow("fuel figures over the year")
        << QStringList{booking("10.01.2024", "Kraftstoff", "65,50", "45,3", "10600", "10000"),
                       booking("10.02.2024", "Kraftstoff", "70,10", "41,7", "11300", "10600"),
                       booking("10.02.2024", "Versicherung", "480,00", "", "11300", "11300")}
        << "" << QStringList{"1,1=65,50",   "2,1=70,10",   "2,6=480,00",
                             "2,13=550,10", "13,1=135,60", "13,13=615,60"}
        << QStringList{"1300", "0,47", "6,7", "1,56", "87,0", "", ""};

    QTest::newRow("amount beyond float precision")
        << QStringList{booking("10.01.2024", "Leasing", "131072,01", "", "1", "1")} << ""
        << QStringList{"1,8=131072,02"} << QStringList{"0", "0,00", "0,0", "0,00", "0,0", "", ""};
}

void TestAnnualEvaluation::vehicleRun()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, co2);
    QFETCH(QStringList, cells);
    QFETCH(QStringList, figures);
    TestEnv env;
    env.writeData("Buch2024Kfz3.csv", bookingFile(lines));

    AnnualEvaluation evaluation;
    evaluation.runVehicle({env.dataFile("Buch2024Kfz3.csv"), co2});

    verifyCells(evaluation, cells);
    QCOMPARE(figuresOf(evaluation).mid(0, 5), figures.mid(0, 5));
    QCOMPARE(evaluation.figures().co2, figures[5]);
    if (!figures[6].isEmpty())
        QCOMPARE(evaluation.co2Unit(), figures[6]);
}

void TestAnnualEvaluation::missingFileLeavesEverythingAtReset()
{
    TestEnv env;
    env.writeData("Buch2023Kfz3.csv",
                  bookingFile({booking("01.01.2023", "Wartung", "1,00", "", "1500", "1000")}));
    AnnualEvaluation evaluation;
    evaluation.runVehicle({env.dataFile("Buch2023Kfz3.csv"), "150"});
    QCOMPARE(evaluation.figures().km, QStringLiteral("500"));

    evaluation.runVehicle({env.dataFile("Buch2024Kfz3.csv"), "150"});
    verifyAllValueCells(evaluation, QStringLiteral("0,00"));
    QCOMPARE(figuresOf(evaluation), (QStringList{"", "", "", "", "", "", "kg"}));
    QCOMPARE(evaluation.aktKm(), 0);
}

void TestAnnualEvaluation::missingFilePassChangesNothing()
{
    TestEnv env;
    env.writeData("Buch2024Kfz3.csv",
                  bookingFile({booking("01.06.2024", "Wartung", "5,00", "", "1500", "1000")}));
    AnnualEvaluation evaluation;
    evaluation.runVehicle({env.dataFile("Buch2024Kfz3.csv"), "150"});
    const QStringList before = figuresOf(evaluation);

    evaluation.pass({env.dataFile("Buch2024Kfz4.csv"), "300"});
    QCOMPARE(figuresOf(evaluation), before);
    QCOMPARE(evaluation.cell(6, 4), QStringLiteral("5,00"));
    QCOMPARE(evaluation.aktKm(), 1500);
}

void TestAnnualEvaluation::readsLfEndingsAndSkipsBlankLines()
{
    TestEnv env;
    env.writeData("Buch2024Kfz3.csv",
                  bookingFile({booking("01.07.2024", "Zubehör", "19,99", "", "2000", "1900"), "",
                               "   ", booking("02.07.2024", "Zubehör", "0,01", "", "2100", "2000")},
                              "\n"));
    AnnualEvaluation evaluation;
    evaluation.runVehicle({env.dataFile("Buch2024Kfz3.csv"), ""});
    QCOMPARE(evaluation.cell(7, 11), QStringLiteral("20,00"));
    QCOMPARE(evaluation.figures().km, QStringLiteral("200"));
}

void TestAnnualEvaluation::badValueStopsTheRun_data()
{
    QTest::addColumn<QString>("badLine");
    QTest::addColumn<QString>("message");
    QTest::newRow("km not an integer") << booking("02.01.2024", "Wartung", "1,00", "", "12a", "100")
                                       << "''12a'' ist kein gültiger Integer-Wert";
    QTest::newRow("reading before not an integer")
        << booking("02.01.2024", "Wartung", "1,00", "", "120", "1.000")
        << "''1.000'' ist kein gültiger Integer-Wert";
    QTest::newRow("bad date") << booking("32.01.2024", "Wartung", "1,00", "", "120", "100")
                              << "''32.01.2024'' ist keine gültige Datums-/Zeitangabe";
    QTest::newRow("amount not a number")
        << booking("02.01.2024", "Wartung", "1,0x", "", "120", "100")
        << "'1,0x' ist kein gültiger Gleitkommawert";
    QTest::newRow("amount with thousands separator")
        << booking("02.01.2024", "Wartung", "1.000,00", "", "120", "100")
        << "'1.000,00' ist kein gültiger Gleitkommawert";
    QTest::newRow("fuel litres not a number")
        << booking("02.01.2024", "Kraftstoff", "1,00", "viel", "120", "100")
        << "'viel' ist kein gültiger Gleitkommawert";
    QTest::newRow("consumables litres are checked too")
        << booking("02.01.2024", "Betriebsstoffe", "1,00", "-", "120", "100")
        << "'-' ist kein gültiger Gleitkommawert";
    QTest::newRow("line cut off before the readings") << "3;AB-C 123;02.01.2024;Wartung;1,00"
                                                      << "'''' ist kein gültiger Integer-Wert";
    QTest::newRow("line without reading before") << "3;AB-C 123;02.01.2024;Wartung;1,00;x;2;;120"
                                                 << "'''' ist kein gültiger Integer-Wert";
}

// A bad line stops the pass: cells, totals and figures keep their reset state,
// but what the lines before it added stays in the tables, as a further pass shows.
void TestAnnualEvaluation::badValueStopsTheRun()
{
    QFETCH(QString, badLine);
    QFETCH(QString, message);
    TestEnv env;
    env.writeData("Buch2024Kfz3.csv",
                  bookingFile({booking("01.01.2024", "Wartung", "10,00", "", "100", "100"), badLine,
                               booking("03.01.2024", "Wartung", "20,00", "", "500", "120")}));
    env.writeData("Buch2024Kfz4.csv",
                  bookingFile({booking("04.01.2024", "Wartung", "1,00", "", "100", "100")}));
    AnnualEvaluation evaluation;
    try {
        evaluation.runVehicle({env.dataFile("Buch2024Kfz3.csv"), "150"});
        QFAIL("the bad line was accepted");
    } catch (const ConversionError& e) {
        QCOMPARE(e.message(), message);
    }
    verifyAllValueCells(evaluation, QStringLiteral("0,00"));
    QCOMPARE(figuresOf(evaluation).mid(0, 6), (QStringList{"", "", "", "", "", ""}));

    evaluation.pass({env.dataFile("Buch2024Kfz4.csv"), ""});
    QCOMPARE(evaluation.cell(1, 4), QStringLiteral("11,00"));
}

void TestAnnualEvaluation::badCo2KeepsKmButNotTotals()
{
    TestEnv env;
    env.writeData("Buch2024Kfz3.csv", bookingFile({booking("01.02.2024", "Kraftstoff", "40,00",
                                                           "20,0", "900", "500")}));
    AnnualEvaluation evaluation;
    try {
        evaluation.runVehicle({env.dataFile("Buch2024Kfz3.csv"), "15O"});
        QFAIL("the bad CO2 value was accepted");
    } catch (const ConversionError& e) {
        QCOMPARE(e.message(), QStringLiteral("'15O' ist kein gültiger Gleitkommawert"));
    }
    QCOMPARE(evaluation.cell(2, 1), QStringLiteral("40,00"));
    QCOMPARE(evaluation.cell(2, 13), QStringLiteral("0,00"));
    QCOMPARE(evaluation.cell(13, 1), QStringLiteral("0,00"));
    QCOMPARE(figuresOf(evaluation).mid(0, 6), (QStringList{"400", "", "", "", "", ""}));
}

void TestAnnualEvaluation::fleetRunSumsVehicles()
{
    TestEnv env;
    env.writeData(
        "Buch2024Kfz1.csv",
        bookingFile({booking("01.03.2024", "Kraftstoff", "150,00", "60,0", "20600", "20000"),
                     booking("01.04.2024", "Kraftstoff", "100,00", "40,0", "21000", "20600")}));
    env.writeData(
        "Buch2024Kfz2.csv",
        bookingFile({booking("01.03.2024", "Kraftstoff", "210,00", "140,0", "8000", "5000"),
                     booking("01.03.2024", "Steuer", "140,00", "", "8000", "8000")}));
    AnnualEvaluation evaluation;
    evaluation.runFleet(
        {{env.dataFile("Buch2024Kfz1.csv"), "100"}, {env.dataFile("Buch2024Kfz2.csv"), "200"}});

    QCOMPARE(evaluation.cell(3, 1), QStringLiteral("360,00"));
    QCOMPARE(evaluation.cell(3, 7), QStringLiteral("140,00"));
    QCOMPARE(evaluation.cell(13, 13), QStringLiteral("600,00"));
    // 1000 km × 100 g + 3000 km × 200 g = 700 kg.
    QCOMPARE(figuresOf(evaluation),
             (QStringList{"4000", "0,15", "6,0", "1,92", "240,0", "700,0", "kg"}));
    QCOMPARE(evaluation.aktKm(), 8000);
}

void TestAnnualEvaluation::monthCarriesAcrossFilesAndRuns()
{
    TestEnv env;
    env.writeData("Buch2024Kfz1.csv",
                  bookingFile({booking("20.05.2024", "Wartung", "1,00", "", "100", "100")}));
    env.writeData("Buch2024Kfz2.csv",
                  bookingFile({booking("", "Wartung", "2,00", "", "100", "100")}));
    AnnualEvaluation evaluation;
    evaluation.runFleet(
        {{env.dataFile("Buch2024Kfz1.csv"), ""}, {env.dataFile("Buch2024Kfz2.csv"), ""}});
    QCOMPARE(evaluation.cell(5, 4), QStringLiteral("3,00"));

    evaluation.runVehicle({env.dataFile("Buch2024Kfz2.csv"), ""});
    QCOMPARE(evaluation.cell(5, 4), QStringLiteral("2,00"));

    evaluation.restartMonth();
    evaluation.runVehicle({env.dataFile("Buch2024Kfz2.csv"), ""});
    QCOMPARE(evaluation.cell(1, 4), QStringLiteral("2,00"));
    QCOMPARE(evaluation.cell(5, 4), QStringLiteral("0,00"));
}

void TestAnnualEvaluation::exportEncodingFollowsLastFileRead()
{
    TestEnv env;
    env.writeData("Buch2024Kfz1.csv",
                  "\xEF\xBB\xBF" + booking("01.01.2024", "Zubehör", "1,00", "", "1", "1").toUtf8());
    AnnualEvaluation evaluation;
    QCOMPARE(evaluation.lastReadEncoding(), TextEncoding::Windows1252);
    evaluation.runVehicle({env.dataFile("Buch2024Kfz1.csv"), ""});
    QCOMPARE(evaluation.lastReadEncoding(), TextEncoding::Utf8Bom);
    QCOMPARE(evaluation.cell(1, 11), QStringLiteral("1,00"));
}

void TestAnnualEvaluation::fiveMegabyteFile()
{
    TestEnv env;
    QByteArray bytes;
    int lines = 0;
    while (bytes.size() < 5 * 1024 * 1024) {
        const int km = 10000 + lines;
        bytes += ansi(booking(QStringLiteral("%1.%2.2024").arg(1 + lines % 28).arg(1 + lines % 12),
                              "Kraftstoff", "1,00", "1,0", QString::number(km + 1),
                              QString::number(km))) +
                 "\r\n";
        ++lines;
    }
    env.writeData("Buch2024Kfz3.csv", bytes);
    AnnualEvaluation evaluation;
    evaluation.runVehicle({env.dataFile("Buch2024Kfz3.csv"), "100"});
    QCOMPARE(evaluation.figures().km, QString::number(lines));
    QCOMPARE(evaluation.figures().consumption, QStringLiteral("100,0"));
}

int runAnnualEvaluationTests(int argc, char** argv)
{
    TestAnnualEvaluation test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_annual_evaluation.moc"
