// The tyre file's lines and the tyre mileage.

#include "common/conversions.h"
#include "test_env.h"
#include "tyres/tyre_record.h"

#include <QtTest>

class TestTyreRecord : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void emptyRecordIsEightLinesOfSevenSemicolons();
    void fieldsAreTrimmedOnFormatting();
    void parsing_data();
    void parsing();
    void fileNameKeepsToTheDataFolder();
    void mileage_data();
    void mileage();
};

void TestTyreRecord::emptyRecordIsEightLinesOfSevenSemicolons()
{
    QCOMPARE(formatTyreLines(ReifenRecord{}), QStringList(8, ";;;;;;;"));
}

void TestTyreRecord::fieldsAreTrimmedOnFormatting()
{
    ReifenRecord record;
    record.sets[1][2] = {" Conti ", "Winter", "205", "55", "16", " Alu", "1.10.2023 ", " 40000"};
    const QStringList lines = formatTyreLines(record);
    QCOMPARE(lines.at(6), QString("Conti;Winter;205;55;16;Alu;1.10.2023;40000"));
    QCOMPARE(lines.at(5), QString(";;;;;;;"));
}

void TestTyreRecord::parsing_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("expected"); // the tyre's fields joined by "|"
    QTest::newRow("nine fields: the first eight")
        << QStringList{"a;b;c;d;e;f;g;h;i"} << 0 << 0 << "a|b|c|d|e|f|g|h";
    QTest::newRow("short line: the rest empty") << QStringList{"a;b"} << 0 << 0 << "a|b||||||";
    QTest::newRow("blanks are kept on reading") << QStringList{" a ;b"} << 0 << 0 << " a |b||||||";
    const QStringList five{"1", "2", "3", "4", "w1;x", "", "", ""};
    QTest::newRow("five lines: winter tyre 1") << five.mid(0, 5) << 1 << 0 << "w1|x||||||";
    QTest::newRow("five lines: winter tyre 2 empty") << five.mid(0, 5) << 1 << 1 << "|||||||";
    QTest::newRow("three lines: summer tyre 4 empty")
        << QStringList{"1", "2", "3"} << 0 << 3 << "|||||||";
    QStringList thirty;
    for (int i = 1; i <= 30; ++i)
        thirty << QString("m%1;t").arg(i);
    QTest::newRow("thirty lines: line 8 is winter tyre 4") << thirty << 1 << 3 << "m8|t||||||";
    QTest::newRow("control characters stay text")
        << QStringList{QString::fromLatin1("\x01\x02;\xff")} << 0 << 0
        << QString::fromLatin1("\x01\x02|\xff||||||");
}

void TestTyreRecord::parsing()
{
    QFETCH(QStringList, lines);
    QFETCH(int, set);
    QFETCH(int, position);
    QFETCH(QString, expected);
    const Tyre tyre = parseTyreLines(lines).sets[size_t(set)][size_t(position)];
    QCOMPARE(QStringList(tyre.begin(), tyre.end()).join(u'|'), expected);
}

void TestTyreRecord::fileNameKeepsToTheDataFolder()
{
    QCOMPARE(tyreFileName("1"), QString("Reifen1.csv"));
    QCOMPARE(tyreFileName("../1"), QString());
    QCOMPARE(tyreFileName("a/b"), QString());
}

void TestTyreRecord::mileage_data()
{
    QTest::addColumn<QString>("purchase");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("expected"); // "none", the mileage, or the error message
    QTest::newRow("bought at 10000, now 25000") << "10000"
                                                << "25000"
                                                << "15000";
    QTest::newRow("blanks around numbers") << " 10000 "
                                           << "25000 "
                                           << "15000";
    QTest::newRow("negative shown as is") << "30000"
                                          << "25000"
                                          << "-5000";
    QTest::newRow("no current km") << "10000"
                                   << "  "
                                   << "none";
    QTest::newRow("no purchase km") << ""
                                    << "25000"
                                    << "none";
    QTest::newRow("extreme readings do not overflow") << "-2147483648"
                                                      << "2147483647"
                                                      << "4294967295";
    QTest::newRow("letters") << "10 000"
                             << "25000"
                             << "''10 000'' ist kein gültiger Integer-Wert";
    QTest::newRow("grouped current km") << "10000"
                                        << "25.000"
                                        << "''25.000'' ist kein gültiger Integer-Wert";
}

void TestTyreRecord::mileage()
{
    QFETCH(QString, purchase);
    QFETCH(QString, current);
    QFETCH(QString, expected);
    QString shown;
    try {
        const std::optional<qint64> km = tyreMileage(purchase, current);
        shown = km ? QString::number(*km) : QString("none");
    } catch (const ConversionError& e) {
        shown = e.message();
    }
    QCOMPARE(shown, expected);
}

TARVO_TEST_GUILESS_MAIN(TestTyreRecord)
#include "test_tyre_record.moc"
