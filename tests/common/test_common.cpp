#include "common/conversions.h"
#include "common/number_format.h"
#include "common/safe_names.h"
#include "common/text_file.h"
#include "test_env.h"

#include <QtTest>

// The helpers every part of the program relies on: conversions with their
// German messages, the number patterns and the data files' text format.
class TestCommon : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void formatFloat_data();
    void formatFloat();
    void formatDouble_data();
    void formatDouble();
    void integers_data();
    void integers();
    void decimals_data();
    void decimals();
    void dates_data();
    void dates();
    void kmValues_data();
    void kmValues();
    void fileNameParts_data();
    void fileNameParts();
    void readsLineEnds_data();
    void readsLineEnds();
    void windows1252RoundTripsEveryByte();
    void unencodableCharactersBecomeQuestionMarks();
    void byteOrderMarkIsKept_data();
    void byteOrderMarkIsKept();
    void writeFailsCleanly();
};

void TestCommon::formatFloat_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("expected");
    QTest::newRow("float above 2^17 rounds up") << 131072.01f << 2 << "131072,02";
    QTest::newRow("largest amount stays") << 99999.99f << 2 << "99999,99";
    QTest::newRow("exact half away from zero") << 0.125f << 2 << "0,13";
    QTest::newRow("negative half") << -0.125f << 2 << "-0,13";
    QTest::newRow("tiny negative is no -0,00") << -0.001f << 2 << "0,00";
    QTest::newRow("negative zero") << -0.0f << 2 << "0,00";
    QTest::newRow("one decimal") << 6.25f << 1 << "6,3";
    QTest::newRow("0.05 is below the half as a float") << 0.05f << 1 << "0,1";
    QTest::newRow("1.15 is below the half as a float") << 1.15f << 1 << "1,1";
    QTest::newRow("whole number") << 65.5f << 0 << "66";
    QTest::newRow("no grouping") << 1234567.0f << 2 << "1234567,00";
    QTest::newRow("carry into integer") << 9.999f << 2 << "10,00";
}

void TestCommon::formatFloat()
{
    QFETCH(float, value);
    QFETCH(int, decimals);
    QFETCH(QString, expected);
    QCOMPARE(formatFixed(value, decimals), expected);
}

void TestCommon::formatDouble_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("rounding");
    QTest::addColumn<QString>("expected");
    QTest::newRow("half away") << 0.25 << int(Rounding::HalfAwayFromZero) << "0,3";
    QTest::newRow("half to even, down") << 2.25 << int(Rounding::HalfToEven) << "2,2";
    QTest::newRow("half to even, up") << 2.75 << int(Rounding::HalfToEven) << "2,8";
    QTest::newRow("above the half is not a tie") << 2.2500001 << int(Rounding::HalfToEven) << "2,3";
}

void TestCommon::formatDouble()
{
    QFETCH(double, value);
    QFETCH(int, rounding);
    QFETCH(QString, expected);
    QCOMPARE(formatFixed(value, 1, Rounding(rounding)), expected);
    QCOMPARE(formatFixed(roundFixed(value, 1, Rounding(rounding)), 1), expected);
}

void TestCommon::integers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << "42" << true << 42;
    QTest::newRow("signs") << "-7" << true << -7;
    QTest::newRow("blanks around") << " 12 " << true << 12;
    QTest::newRow("largest") << "2147483647" << true << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << true << int(-2147483648LL);
    QTest::newRow("beyond 32 bits") << "2147483648" << false << 0;
    QTest::newRow("decimal comma") << "12,5" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("letters") << "abc" << false << 0;
    QTest::newRow("sign alone") << "-" << false << 0;
}

void TestCommon::integers()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    try {
        QCOMPARE(strToInt(text), value);
        QVERIFY(valid);
    } catch (const ConversionError& e) {
        QVERIFY(!valid);
        QCOMPARE(e.message(), QStringLiteral("''%1'' ist kein gültiger Integer-Wert").arg(text));
    }
}

void TestCommon::decimals_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("value");
    QTest::newRow("comma") << "65,50" << true << 65.5;
    QTest::newRow("whole") << "12" << true << 12.0;
    QTest::newRow("blanks") << " 1,5 " << true << 1.5;
    QTest::newRow("negative") << "-3,25" << true << -3.25;
    QTest::newRow("group separator refused") << "1.234,5" << false << 0.0;
    QTest::newRow("point refused") << "65.50" << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
}

void TestCommon::decimals()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, value);
    try {
        QCOMPARE(strToFloat(text), value);
        QVERIFY(valid);
    } catch (const ConversionError& e) {
        QVERIFY(!valid);
        QCOMPARE(e.message(), QStringLiteral("'%1' ist kein gültiger Gleitkommawert").arg(text));
    }
}

void TestCommon::dates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("full") << "05.03.2024" << QDate(2024, 3, 5);
    QTest::newRow("short day and month") << "5.3.2024" << QDate(2024, 3, 5);
    QTest::newRow("two-digit year, this century") << "05.03.24" << QDate(2024, 3, 5);
    QTest::newRow("two-digit year, last century") << "05.03.80" << QDate(1980, 3, 5);
    QTest::newRow("with time") << "31.12.2023 14:30" << QDate(2023, 12, 31);
    QTest::newRow("leap day") << "29.02.2024" << QDate(2024, 2, 29);
    QTest::newRow("no leap day") << "29.02.2023" << QDate();
    QTest::newRow("month 13") << "01.13.2024" << QDate();
    QTest::newRow("ISO form") << "2024-03-05" << QDate();
    QTest::newRow("empty") << "" << QDate();
    QTest::newRow("bad time") << "01.01.2024 25:00" << QDate();
}

void TestCommon::dates()
{
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    try {
        QCOMPARE(strToDate(text, 2024), expected);
        QVERIFY(expected.isValid());
    } catch (const ConversionError& e) {
        QVERIFY(!expected.isValid());
        QCOMPARE(e.message(),
                 QStringLiteral("''%1'' ist keine gültige Datums-/Zeitangabe").arg(text));
    }
}

void TestCommon::kmValues_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("km");
    QTest::addColumn<QString>("error");
    QTest::newRow("blank is 0") << "   " << 0 << "";
    QTest::newRow("thousands point dropped") << "12.345" << 12345 << "";
    QTest::newRow("unit dropped") << "5000 km" << 5000 << "";
    QTest::newRow("comma fails") << "12,5" << 0 << "12,5";
    QTest::newRow("no digit fails") << "abc" << 0 << "";
}

void TestCommon::kmValues()
{
    QFETCH(QString, text);
    QFETCH(int, km);
    QFETCH(QString, error);
    const bool shouldFail = km == 0 && !text.trimmed().isEmpty();
    try {
        QCOMPARE(kmValue(text), km);
        QVERIFY(!shouldFail);
    } catch (const ConversionError& e) {
        QVERIFY(shouldFail);
        QCOMPARE(e.message(), QStringLiteral("''%1'' ist kein gültiger Integer-Wert").arg(error));
    }
}

void TestCommon::fileNameParts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("safe");
    QTest::addColumn<bool>("number");
    QTest::addColumn<bool>("year");
    QTest::newRow("number") << "12" << true << true << false;
    QTest::newRow("year") << "2024" << true << true << true;
    QTest::newRow("parent folder") << "../../x" << false << false << false;
    QTest::newRow("backslash") << "a\\b" << false << false << false;
    QTest::newRow("zero") << "0" << true << false << false;
    QTest::newRow("wildcard") << "*" << true << false << false;
    QTest::newRow("signed") << "+3" << true << false << false;
}

void TestCommon::fileNameParts()
{
    QFETCH(QString, text);
    QFETCH(bool, safe);
    QFETCH(bool, number);
    QFETCH(bool, year);
    QCOMPARE(isSafeFileNamePart(text), safe);
    QCOMPARE(isPlainPositiveInteger(text), number);
    QCOMPARE(isFourDigitYear(text), year);
}

void TestCommon::readsLineEnds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("LF alone") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("no final line end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("blank lines kept") << QByteArray("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("umlauts") << QByteArray("M\xFC\x6Cler;\x80\r\n") << QStringList{"Müller;€"};
}

void TestCommon::readsLineEnds()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    TestEnv env;
    env.writeData(QStringLiteral("f.csv"), bytes);
    TextFile file;
    QVERIFY(readTextFile(env.dataFile(QStringLiteral("f.csv")), file));
    QCOMPARE(file.lines, lines);
    QCOMPARE(file.encoding, TextEncoding::Windows1252);
}

void TestCommon::windows1252RoundTripsEveryByte()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != '\n')
            all += char(b);
    QCOMPARE(encodeText(decodeText(all)), all);
}

void TestCommon::unencodableCharactersBecomeQuestionMarks()
{
    QCOMPARE(encodeText(QStringLiteral("Ä→€ 漢")), QByteArray("\xC4?\x80 ?"));
}

void TestCommon::byteOrderMarkIsKept_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("encoding");
    QTest::newRow("UTF-8") << QByteArray("\xEF\xBB\xBF\xC3\x84;1\r\n")
                           << int(TextEncoding::Utf8Bom);
    QTest::newRow("UTF-16 LE") << QByteArray("\xFF\xFE\xC4\x00;\x00\x31\x00\r\x00\n\x00", 12)
                               << int(TextEncoding::Utf16LeBom);
    QTest::newRow("UTF-16 BE") << QByteArray("\xFE\xFF\x00\xC4\x00;\x00\x31\x00\r\x00\n", 12)
                               << int(TextEncoding::Utf16BeBom);
}

void TestCommon::byteOrderMarkIsKept()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, encoding);
    TestEnv env;
    const QString path = env.dataFile(QStringLiteral("f.csv"));
    writeFileBytes(path, bytes);
    TextFile file;
    QVERIFY(readTextFile(path, file));
    QCOMPARE(file.lines, QStringList{QStringLiteral("Ä;1")});
    QCOMPARE(int(file.encoding), encoding);
    QVERIFY(writeTextFile(path, file));
    QCOMPARE(readFileBytes(path), bytes);
}

void TestCommon::writeFailsCleanly()
{
    TestEnv env;
    QString error;
    QVERIFY(!writeTextLines(env.dataFile(QStringLiteral("missing/f.csv")), {QStringLiteral("x")},
                            TextEncoding::Windows1252, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(env.dataFile(QStringLiteral("missing"))));
}

TARVO_TEST_GUILESS_MAIN(TestCommon)
#include "test_common.moc"
