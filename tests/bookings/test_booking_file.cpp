#include "bookings/booking_file.h"
#include "common/conversions.h"
#include "test_env.h"
#include "test_suites.h"

#include <QtTest>

class TestBookingFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parse_data();
    void parse();
    void formatTrimsAndKeepsSeparatorsOut();
    void pathAndCategories();
    void storedCategory_data();
    void storedCategory();
    void readLineEnds_data();
    void readLineEnds();
    void byteOrderMarkKeptOnWriteBack();
    void missingFileIsEmptyYear();
    void unwritableFileReportsError();
    void numbering_data();
    void numbering();
    void nonIntegerNumberStops_data();
    void nonIntegerNumberStops();
    void bigFileIsHandled();
    void lastAmount();
};

void TestBookingFile::parse_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("fields");
    const QString ten = QStringLiteral("3;AB-CD 123;08.12.2023;Kraftstoff;65,50;Kraftstoff;17;45,3;"
                                       "48210;47650");
    QTest::newRow("ten fields") << ten
                                << QStringList{"3",     "AB-CD 123",  "08.12.2023", "Kraftstoff",
                                               "65,50", "Kraftstoff", "17",         "45,3",
                                               "48210", "47650"};
    QTest::newRow("no separator") << "garbage"
                                  << QStringList{"garbage", "", "", "", "", "", "", "", "", ""};
    QTest::newRow("seven fields") << "1;K;01.01.2024;Wartung;10,00;x;4"
                                  << QStringList{"1", "K", "01.01.2024", "Wartung", "10,00",
                                                 "x", "4", "",           "",        ""};
    QTest::newRow("twelve fields read their first ten")
        << "1;K;d;c;5,00;k;2;;100;90;extra;more"
        << QStringList{"1", "K", "d", "c", "5,00", "k", "2", "", "100", "90"};
    QStringList thirty;
    for (int i = 1; i <= 30; ++i)
        thirty << QString::number(i);
    QTest::newRow("thirty fields") << thirty.join(u';') << thirty.mid(0, 10);
}

void TestBookingFile::parse()
{
    QFETCH(QString, line);
    QFETCH(QStringList, fields);
    const BuchRecord r = ParseBooking(line);
    QCOMPARE((QStringList{r.KfzNr, r.Kennzeichen, r.Datum, r.Kostenart, r.Betrag, r.Kommentar,
                          r.BuchNr, r.Liter, r.Km, r.AltKm}),
             fields);
}

void TestBookingFile::formatTrimsAndKeepsSeparatorsOut()
{
    const BuchRecord r{" 3 ", "AB;CD 1", "08.12.2023", "Kraftstoff", "65,50", "Tank; voll\r\n",
                       "17",  "45,3",    "48210 ",     "47650"};
    const QString line = FormatBooking(r);
    QCOMPARE(line, QStringLiteral("3;AB,CD 1;08.12.2023;Kraftstoff;65,50;Tank, voll;17;45,3;"
                                  "48210;47650"));
    QCOMPARE(ParseBooking(line).BuchNr, QStringLiteral("17"));
}

void TestBookingFile::pathAndCategories()
{
    QCOMPARE(BookingFilePath("/data/", "2023", "3"), QStringLiteral("/data/Buch2023Kfz3.csv"));
    QCOMPARE(LastAmountPath("/data/", "Versicherung", "3"),
             QStringLiteral("/data/VersicherungKfz3.dat"));
    QCOMPARE(CostCategories(),
             (QStringList{"Kraftstoff", "Betriebsstoffe", "Pflege/Waschen", "Wartung", "Reparatur",
                          "Versicherung", "Steuer", "Leasing", "Finanzierung", "Reifen", "Zubehör",
                          "Sonstiges"}));
    QVERIFY(KeepsLitres("Kraftstoff") && KeepsLitres("Betriebsstoffe") && !KeepsLitres("Wartung"));
    QVERIFY(RemembersLastAmount("Steuer") && RemembersLastAmount("Finanzierung") &&
            !RemembersLastAmount("Reifen"));
}

void TestBookingFile::storedCategory_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("known") << "Zubehör"
                           << "Zubehör";
    QTest::newRow("unknown") << "Maut"
                             << "Sonstiges";
    QTest::newRow("other case") << "kraftstoff"
                                << "Sonstiges";
    QTest::newRow("empty") << ""
                           << "Sonstiges";
}

void TestBookingFile::storedCategory()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QCOMPARE(StoredCategory(typed), stored);
}

void TestBookingFile::readLineEnds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF") << QByteArray("a;1\r\nb;2\r\n") << QStringList{"a;1", "b;2"};
    QTest::newRow("LF alone") << QByteArray("a;1\nb;2\n") << QStringList{"a;1", "b;2"};
    QTest::newRow("last line without end") << QByteArray("a;1\r\nb;2") << QStringList{"a;1", "b;2"};
    QTest::newRow("Windows-1252") << QByteArray("1;K;d;Zubeh\xF6r;5,00\r\n")
                                  << QStringList{"1;K;d;Zubehör;5,00"};
    QTest::newRow("blank line kept in list")
        << QByteArray("a;1\r\n\r\nb;2\r\n") << QStringList{"a;1", "", "b;2"};
}

void TestBookingFile::readLineEnds()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    TestEnv env;
    env.writeData("Buch2024Kfz1.csv", bytes);
    TextFile file;
    QVERIFY(ReadBookingLines(env.dataFile("Buch2024Kfz1.csv"), file));
    QCOMPARE(file.lines, lines);
}

void TestBookingFile::byteOrderMarkKeptOnWriteBack()
{
    TestEnv env;
    const QString path = env.dataFile("Buch2024Kfz1.csv");
    env.writeData("Buch2024Kfz1.csv", QByteArray("\xEF\xBB\xBF") + "1;K;d;Zubehör;5,00;k;1\n");
    TextFile file;
    QVERIFY(ReadBookingLines(path, file));
    file.lines << "1;K;d;Zubehör;6,00;k;2";
    QVERIFY(WriteBookingLines(path, file));
    QCOMPARE(env.readData("Buch2024Kfz1.csv"),
             QByteArray("\xEF\xBB\xBF") + "1;K;d;Zubehör;5,00;k;1\r\n1;K;d;Zubehör;6,00;k;2\r\n");
}

void TestBookingFile::missingFileIsEmptyYear()
{
    TestEnv env;
    TextFile file;
    file.lines << "stale";
    QVERIFY(ReadBookingLines(env.dataFile("Buch2030Kfz1.csv"), file));
    QVERIFY(file.lines.isEmpty());
    QCOMPARE(HighestBuchNr(file.lines), 0);
    QCOMPARE(FindBookingLine(file.lines, 1), -1);
}

void TestBookingFile::unwritableFileReportsError()
{
    TestEnv env;
    TextFile file;
    file.lines << "1;K;d;Wartung;5,00;k;1;;0;0";
    QString error;
    QVERIFY(!WriteBookingLines(env.dataFile("missing-folder/Buch2024Kfz1.csv"), file, &error));
    QVERIFY(!error.isEmpty());
}

void TestBookingFile::numbering_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("highest");
    QTest::addColumn<int>("wanted");
    QTest::addColumn<int>("index");
    QTest::newRow("gap") << QStringList{"1;K;d;c;1,00;k;1", "1;K;d;c;1,00;k;3"} << 3 << 2 << -1;
    QTest::newRow("unsorted") << QStringList{"1;K;d;c;1,00;k;9", "1;K;d;c;1,00;k;10",
                                             "1;K;d;c;1,00;k;4"}
                              << 10 << 4 << 2;
    QTest::newRow("duplicate: later line wins")
        << QStringList{"1;K;d;c;1,00;k;5", "1;K;d;c;2,00;k;6", "1;K;d;c;3,00;k;5"} << 6 << 5 << 2;
    QTest::newRow("blank lines skipped")
        << QStringList{"", "1;K;d;c;1,00;k;2", "   ", "1;K;d;c;1,00;k; 7 "} << 7 << 7 << 3;
}

void TestBookingFile::numbering()
{
    QFETCH(QStringList, lines);
    QFETCH(int, highest);
    QFETCH(int, wanted);
    QFETCH(int, index);
    QCOMPARE(HighestBuchNr(lines), highest);
    QCOMPARE(FindBookingLine(lines, wanted), index);
}

void TestBookingFile::nonIntegerNumberStops_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("message");
    QTest::newRow("text") << "1;K;d;c;1,00;k;zwölf"
                          << "''zwölf'' ist kein gültiger Integer-Wert";
    QTest::newRow("too few fields") << "1;K;d"
                                    << "'''' ist kein gültiger Integer-Wert";
    const QString garbage = decodeText(QByteArray("\x01;\x02;\xFF;\x00;;\x7F;\x80\x9D;\x1A", 15));
    QTest::newRow("binary garbage") << garbage << integerErrorMessage(ParseBooking(garbage).BuchNr);
}

void TestBookingFile::nonIntegerNumberStops()
{
    QFETCH(QString, line);
    QFETCH(QString, message);
    const QStringList lines{"1;K;d;c;1,00;k;1", line};
    for (const auto& operation : {std::function<void()>([&] { HighestBuchNr(lines); }),
                                  std::function<void()>([&] { FindBookingLine(lines, 1); })}) {
        try {
            operation();
            QFAIL("no conversion error");
        } catch (const ConversionError& e) {
            QCOMPARE(e.message(), message);
        }
    }
}

void TestBookingFile::bigFileIsHandled()
{
    TestEnv env;
    QByteArray bytes;
    int count = 0;
    while (bytes.size() < 5 * 1024 * 1024) {
        ++count;
        bytes += "1;AB-CD 123;08.12.2023;Kraftstoff;65,50;Kraftstoff;" + QByteArray::number(count) +
                 ";45,3;48210;47650\r\n";
    }
    env.writeData("Buch2024Kfz1.csv", bytes);
    TextFile file;
    QVERIFY(ReadBookingLines(env.dataFile("Buch2024Kfz1.csv"), file));
    QCOMPARE(file.lines.size(), count);
    QCOMPARE(HighestBuchNr(file.lines), count);
    QCOMPARE(FindBookingLine(file.lines, 1), 0);
}

void TestBookingFile::lastAmount()
{
    TestEnv env;
    const QString dir = env.context.paths.dataDir;
    QVERIFY(!LoadLastAmount(dir, "Versicherung", "3"));
    QVERIFY(SaveLastAmount(dir, "Versicherung", "3", "480,00"));
    QCOMPARE(env.readData("VersicherungKfz3.dat"), QByteArray("480,00\r\n"));
    QVERIFY(SaveLastAmount(dir, "Versicherung", "3", "495,00"));
    QCOMPARE(env.readData("VersicherungKfz3.dat"), QByteArray("495,00\r\n"));
    QCOMPARE(LoadLastAmount(dir, "Versicherung", "3"), std::optional<QString>("495,00"));
    QVERIFY(!LoadLastAmount(dir, "Versicherung", "4"));
}

int runBookingFileTests(int argc, char** argv)
{
    TestBookingFile test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_booking_file.moc"
