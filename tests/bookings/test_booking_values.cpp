#include "bookings/booking_list_sort.h"
#include "bookings/booking_values.h"
#include "common/conversions.h"
#include "test_suites.h"

#include <QtTest>

using OptionalText = std::optional<QString>;
Q_DECLARE_METATYPE(OptionalText)
Q_DECLARE_METATYPE(CellKind)

class TestBookingValues : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void amount_data();
    void amount();
    void litres_data();
    void litres();
    void litrePrice_data();
    void litrePrice();
    void mileageJump();
    void sortOrder_data();
    void sortOrder();
    void badCellStopsSort_data();
    void badCellStopsSort();
    void sortStateStartsAscending();
};

namespace {
const OptionalText kNoNumber = std::nullopt;
}

void TestBookingValues::amount_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<OptionalText>("stored");
    QTest::newRow("thousands separator") << "1.234,5" << OptionalText("1234,50");
    QTest::newRow("point is a thousands separator") << "10.59" << OptionalText("1059,00");
    QTest::newRow("blank counts as zero") << "  " << OptionalText("0,00");
    QTest::newRow("negative") << "-12" << OptionalText("-12,00");
    QTest::newRow("line break dropped") << "65,5\r\n" << OptionalText("65,50");
    QTest::newRow("32-bit float above 2^17") << "131072,01" << OptionalText("131072,02");
    QTest::newRow("exact cents below 2^17") << "99999,99" << OptionalText("99999,99");
    QTest::newRow("no number") << "zehn" << kNoNumber;
    QTest::newRow("two decimal commas") << "1,2,3" << kNoNumber;
    QTest::newRow("beyond a 32-bit float") << QString("1" + QString(40, '0')) << kNoNumber;
}

void TestBookingValues::amount()
{
    QFETCH(QString, typed);
    QFETCH(OptionalText, stored);
    QCOMPARE(CheckedAmount(typed), stored);
}

void TestBookingValues::litres_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<OptionalText>("stored");
    QTest::newRow("fuel rounds to one decimal") << "Kraftstoff"
                                                << "45,37" << OptionalText("45,4");
    QTest::newRow("fuel without litres") << "Kraftstoff"
                                         << "" << OptionalText("0,0");
    QTest::newRow("consumables keep litres") << " Betriebsstoffe "
                                             << "1" << OptionalText("1,0");
    QTest::newRow("maintenance drops litres") << "Wartung"
                                              << "45" << OptionalText("");
    QTest::newRow("other category drops garbage") << "Maut"
                                                  << "x" << OptionalText("");
    QTest::newRow("fuel with no number") << "Kraftstoff"
                                         << "viel" << kNoNumber;
}

void TestBookingValues::litres()
{
    QFETCH(QString, category);
    QFETCH(QString, typed);
    QFETCH(OptionalText, stored);
    QCOMPARE(CheckedLitres(category, typed), stored);
}

void TestBookingValues::litrePrice_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("litres");
    QTest::addColumn<OptionalText>("price");
    QTest::newRow("fuel") << "65,50"
                          << "45,4" << OptionalText("1,44");
    QTest::newRow("no litres") << "65,50"
                               << "" << OptionalText("");
    QTest::newRow("zero litres") << "65,50"
                                 << "0,0" << OptionalText("");
    QTest::newRow("litres zero without decimals") << "65,50"
                                                  << "0" << OptionalText("");
    QTest::newRow("division by zero") << "65,50"
                                      << "0,00" << kNoNumber;
    QTest::newRow("empty amount") << ""
                                  << "45,4" << kNoNumber;
    QTest::newRow("amount with thousands separator") << "1.234,50"
                                                     << "10,0" << kNoNumber;
}

void TestBookingValues::litrePrice()
{
    QFETCH(QString, amount);
    QFETCH(QString, litres);
    QFETCH(OptionalText, price);
    QCOMPARE(LitrePrice(amount, litres), price);
}

void TestBookingValues::mileageJump()
{
    QVERIFY(!IsLargeMileageJump(11000, 10000));
    QVERIFY(IsLargeMileageJump(11001, 10000));
    QVERIFY(!IsLargeMileageJump(5000, 10000));
    QVERIFY(IsLargeMileageJump(std::numeric_limits<int>::max(), std::numeric_limits<int>::min()));
}

void TestBookingValues::sortOrder_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("descending");
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QStringList>("sorted");
    QTest::newRow("km by text") << int(BookingColumn::Km) << false
                                << QStringList{"9500", "10200", "980"}
                                << QStringList{"10200", "9500", "980"};
    QTest::newRow("number as integer")
        << int(BookingColumn::BuchNr) << false << QStringList{"10", "9", "x", "-1"}
        << QStringList{"-1", "x", "9", "10"};
    QTest::newRow("number descending")
        << int(BookingColumn::BuchNr) << true << QStringList{"9", "10", "1"}
        << QStringList{"10", "9", "1"};
    QTest::newRow("date") << int(BookingColumn::Datum) << false
                          << QStringList{"15.01.2024", "03.02.2023", "31.01.2023"}
                          << QStringList{"31.01.2023", "03.02.2023", "15.01.2024"};
    QTest::newRow("date descending") << int(BookingColumn::Datum) << true
                                     << QStringList{"03.02.2023", "15.01.2024", "31.01.2023"}
                                     << QStringList{"15.01.2024", "03.02.2023", "31.01.2023"};
    QTest::newRow("amount") << int(BookingColumn::Betrag) << false
                            << QStringList{"65,50", "5,00", "-12,00"}
                            << QStringList{"-12,00", "5,00", "65,50"};
    QTest::newRow("text regardless of case A to Z")
        << int(BookingColumn::Kostenart) << false
        << QStringList{"wartung", "Zubehör", "Kraftstoff", "Öl"}
        << QStringList{"Kraftstoff", "wartung", "Zubehör", "Öl"};
}

void TestBookingValues::sortOrder()
{
    QFETCH(int, column);
    QFETCH(bool, descending);
    QFETCH(QStringList, cells);
    QFETCH(QStringList, sorted);
    QStringList result;
    for (int i : SortOrder(cells, KindOfColumn(column), descending))
        result << cells[i];
    QCOMPARE(result, sorted);
}

void TestBookingValues::badCellStopsSort_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("message");
    QTest::newRow("date") << int(BookingColumn::Datum)
                          << "''kaputt'' ist keine gültige Datums-/Zeitangabe";
    QTest::newRow("amount") << int(BookingColumn::Betrag)
                            << "'kaputt' ist kein gültiger Gleitkommawert";
}

void TestBookingValues::badCellStopsSort()
{
    QFETCH(int, column);
    QFETCH(QString, message);
    try {
        SortOrder({"01.01.2024", "kaputt"}, KindOfColumn(column), false);
        QFAIL("no conversion error");
    } catch (const ConversionError& e) {
        QCOMPARE(e.message(), message);
    }
}

void TestBookingValues::sortStateStartsAscending()
{
    BookingSortState state;
    state.reset();
    state.click(BookingColumn::Datum);
    QVERIFY(!state.descending());
    state.click(BookingColumn::Datum);
    QVERIFY(state.descending());
    state.click(BookingColumn::Betrag);
    QVERIFY(!state.descending());
    // Shown again: the same column sorts ascending first.
    state.reset();
    state.click(BookingColumn::Betrag);
    QVERIFY(!state.descending());
    QCOMPARE(state.column(), int(BookingColumn::Betrag));
}

int runBookingValuesTests(int argc, char** argv)
{
    TestBookingValues test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_booking_values.moc"
