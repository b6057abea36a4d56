// The arithmetic of the tax, CO2 and residual value calculators and their files.

#include "calculators/calculator_files.h"
#include "calculators/co2_emission.h"
#include "calculators/power_conversion.h"
#include "calculators/residual_value.h"
#include "calculators/vehicle_tax.h"
#include "common/conversions.h"
#include "common/number_format.h"
#include "test_env.h"

#include <QtTest>

namespace {

using Kind = CalculationMessage::Kind;

constexpr int kNone = -1;
constexpr int kDiesel = int(TaxFuel::Diesel);
constexpr int kBenzin = int(TaxFuel::Benzin);
constexpr int kAutogas = int(TaxFuel::Autogas);
constexpr int kElektro = int(TaxFuel::Elektro);
constexpr int kEuro1 = 0;
constexpr int kEuro2 = 1;
constexpr int kEuro3 = 2;
constexpr int kEuro4 = 3;
constexpr int kEuro6 = 5;

// What a calculation showed: the formatted result, or the kind and text of its message.
QString shown(const std::optional<CalculationMessage>& refusal, const QString& result)
{
    if (!refusal)
        return result;
    static const char* const kinds[] = {"plain", "information", "warning", "error"};
    return QString::fromLatin1(kinds[int(refusal->kind)]) + u':' + refusal->text;
}

QString conversionMessage(const std::function<void()>& work)
{
    try {
        work();
    } catch (const ConversionError& e) {
        return e.message();
    }
    return QString();
}

} // namespace

class TestCalculatorLogic : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tax_data();
    void tax();
    void taxElectricNote();
    void taxConversionErrors_data();
    void taxConversionErrors();
    void co2_data();
    void co2();
    void co2Units_data();
    void co2Units();
    void power_data();
    void power();
    void residualValue_data();
    void residualValue();
    void taxFileLines();
    void taxFileParsing_data();
    void taxFileParsing();
    void residualFileLines();
    void residualFileParsing();
};

void TestCalculatorLogic::tax_data()
{
    QTest::addColumn<int>("fuel");
    QTest::addColumn<int>("emission");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("ccm");
    QTest::addColumn<QString>("co2");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("expected");

    auto row = [](const char* name, int fuel, int emission, const char* month, const char* year,
                  const char* ccm, const char* co2, const char* weight, const QString& expected) {
        QTest::newRow(name) << fuel << emission << QString::fromUtf8(month)
                            << QString::fromUtf8(year) << QString::fromUtf8(ccm)
                            << QString::fromUtf8(co2) << QString::fromUtf8(weight) << expected;
    };
    // Old rules (before July 2009), per started 100 cm³.
    row("petrol 06/2009 Euro 4, old rules lower", kBenzin, kEuro4, "6", "2009", "1598", "200", "",
        "108,00");
    row("petrol 2005 without class: Euro 1 rate", kBenzin, kNone, "3", "2005", "1598", "200", "",
        "242,00");
    row("petrol 2005 Euro 2", kBenzin, kEuro2, "3", "2005", "1598", "200", "", "117,00");
    row("diesel 2005 Euro 1", kDiesel, kEuro1, "3", "2005", "1598", "150", "", "437,00");
    row("diesel 2005 without class", kDiesel, kNone, "3", "2005", "1598", "150", "", "437,00");
    row("diesel 2005 Euro 2", kDiesel, kEuro2, "3", "2005", "1598", "150", "", "256,00");
    row("diesel 2005 Euro 3", kDiesel, kEuro3, "3", "2005", "1598", "150", "", "247,00");
    row("diesel 2005 Euro 6", kDiesel, kEuro6, "3", "2005", "1598", "150", "", "247,00");
    row("2008 without month: old rules only", kBenzin, kEuro4, "", "2008", "1598", "139", "",
        "108,00");
    // November 2008 to June 2009: the lower of the old and the new tax (120 g allowance).
    row("petrol 06/2009 Euro 4, new rules lower", kBenzin, kEuro4, "6", "2009", "1598", "139", "",
        "70,00");
    row("2009 without month counts as before July", kBenzin, kEuro4, "", "2009", "1598", "200", "",
        "108,00");
    row("diesel 11/2008, new rules lower", kDiesel, kEuro4, "11", "2008", "1968", "150", "",
        "250,00");
    row("diesel 10/2008, old rules only", kDiesel, kEuro4, "10", "2008", "1968", "150", "",
        "308,00");
    // July 2009 to 2020: 2,00 € per gram above 120 / 110 / 95 g.
    row("petrol 07/2009", kBenzin, kEuro4, "7", "2009", "1598", "139", "", "70,00");
    row("diesel 2015, allowance 95", kDiesel, kEuro6, "1", "2015", "1968", "119", "", "238,00");
    row("diesel 2013, allowance 110", kDiesel, kEuro6, "1", "2013", "1968", "119", "", "208,00");
    row("CO2 at the allowance adds nothing", kBenzin, kEuro6, "1", "2015", "1000", "95", "",
        "20,00");
    row("CO2 below the allowance adds nothing", kAutogas, kEuro4, "1", "2010", "1000", "100", "",
        "20,00");
    row("2020: flat 2,00 € per gram", kBenzin, kEuro6, "12", "2020", "1000", "140", "", "110,00");
    row("CO2 rounded half to even", kBenzin, kEuro6, "1", "2015", "1000", "96,5", "", "22,00");
    row("displacement 0", kBenzin, kEuro6, "1", "2015", "0", "150", "", "0,00");
    row("displacement 1601: 17 units", kBenzin, kEuro6, "1", "2015", "1601", "95", "", "34,00");
    // From 2021: progressive bands above 95 g, every tax rounded down to whole euros.
    row("worked check petrol 2021", kBenzin, kEuro6, "1", "2021", "1498", "140", "", "126,00");
    row("2021, 95 g", kBenzin, kEuro6, "1", "2021", "1000", "95", "", "20,00");
    row("2021, 96 g", kBenzin, kEuro6, "1", "2021", "1000", "96", "", "22,00");
    row("2021, 115 g", kBenzin, kEuro6, "1", "2021", "1000", "115", "", "60,00");
    row("2021, 116 g rounded down", kBenzin, kEuro6, "1", "2021", "1000", "116", "", "62,00");
    row("2021, 140 g", kBenzin, kEuro6, "1", "2021", "1000", "140", "", "116,00");
    row("2021, 195 g", kBenzin, kEuro6, "1", "2021", "1000", "195", "", "280,00");
    row("2021, 196 g", kBenzin, kEuro6, "1", "2021", "1000", "196", "", "284,00");
    row("diesel 2024", kDiesel, kEuro6, "5", "2024", "1598", "100", "", "162,00");
    // Electric cars: banded weight tariff, halved, rounded down.
    row("electric 1800 kg", kElektro, kNone, "1", "2020", "0", "0", "1800", "50,00");
    row("electric 2000 kg", kElektro, kNone, "1", "2020", "0", "0", "2000", "56,00");
    row("electric 2001 kg", kElektro, kNone, "1", "2020", "0", "0", "2001", "62,00");
    row("electric 2400 kg", kElektro, kNone, "1", "2020", "0", "0", "2400", "68,00");
    row("electric 3000 kg", kElektro, kNone, "1", "2020", "0", "0", "3000", "86,00");
    row("electric 3001 kg", kElektro, kNone, "1", "2020", "0", "0", "3001", "92,00");
    row("electric, weight 0", kElektro, kNone, "1", "2020", "0", "0", "0", "0,00");
    row("electric, weight blank", kElektro, kNone, "1", "2020", "0", "0", " ", "0,00");
    row("electric above 65535 kg: full weight", kElektro, kNone, "1", "2020", "0", "0", "70000",
        "2226,00");
    row("electric ignores the date", kElektro, kEuro1, "", "1950", "1598", "0", "1800", "50,00");
    // Refusals, in the order the inputs are checked.
    row("no year", kBenzin, kEuro6, "1", " ", "1000", "95", "",
        "warning:Bitte Zulassungsdatum angeben.");
    row("year 1899", kBenzin, kEuro6, "1", "1899", "1000", "95", "",
        "error:Ungültiges Zulassungsjahr!");
    row("year 0", kBenzin, kEuro6, "1", "0", "1000", "95", "", "error:Ungültiges Zulassungsjahr!");
    row("no displacement", kBenzin, kEuro6, "1", "2015", "", "95", "",
        "error:Bitte Hubraum angeben!");
    row("no CO2", kBenzin, kEuro6, "1", "2015", "1000", "", "", "error:Bitte CO2-Ausstoß angeben!");
    row("electric without CO2", kElektro, kNone, "1", "2020", "0", "", "1800",
        "error:Bitte CO2-Ausstoß angeben!");
    row("no fuel", kNone, kEuro6, "1", "2015", "1000", "95", "",
        "error:Bitte Kraftstoffart angeben!");
}

void TestCalculatorLogic::tax()
{
    QFETCH(int, fuel);
    QFETCH(int, emission);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(QString, ccm);
    QFETCH(QString, co2);
    QFETCH(QString, weight);
    QFETCH(QString, expected);
    const TaxOutcome outcome = calculateTax({month, year, ccm, co2, weight, fuel, emission});
    QCOMPARE(shown(outcome.refusal, format2(double(outcome.euros))), expected);
}

void TestCalculatorLogic::taxElectricNote()
{
    const TaxOutcome electric = calculateTax({"", "2020", "0", "0", "1800", kElektro, kNone});
    QVERIFY(electric.note);
    QCOMPARE(electric.note->kind, Kind::Information);
    QCOMPARE(electric.note->text,
             QString("Für Elektrofahrzeuge mit Erstzulassung bis Ende 2030 gibt es eine "
                     "10-jährige Steuerbefreiung ab Erstzulassung, längstens bis 31.12.2035. "
                     "Danach gilt der angezeigte Steuerbetrag."));
    QVERIFY(!calculateTax({"", "2020", "1000", "95", "", kBenzin, kNone}).note);
}

void TestCalculatorLogic::taxConversionErrors_data()
{
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("ccm");
    QTest::addColumn<QString>("co2");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<int>("fuel");
    QTest::addColumn<QString>("message");
    QTest::newRow("month") << "x"
                           << "2015"
                           << "1000"
                           << "95"
                           << "" << kBenzin << "''x'' ist kein gültiger Integer-Wert";
    QTest::newRow("year") << "1"
                          << "20a5"
                          << "1000"
                          << "95"
                          << "" << kBenzin << "''20a5'' ist kein gültiger Integer-Wert";
    QTest::newRow("negative displacement")
        << "1"
        << "2015"
        << "-5"
        << "95"
        << "" << kBenzin << "''-5'' ist kein gültiger Integer-Wert";
    QTest::newRow("CO2") << "1"
                         << "2015"
                         << "1000"
                         << "9x"
                         << "" << kBenzin << "'9x' ist kein gültiger Gleitkommawert";
    QTest::newRow("CO2 beyond any car")
        << "1"
        << "2015"
        << "1000"
        << "99999999999"
        << "" << kBenzin << "'99999999999' ist kein gültiger Gleitkommawert";
    QTest::newRow("weight") << "1"
                            << "2020"
                            << "0"
                            << "0"
                            << "1.800" << kElektro << "''1.800'' ist kein gültiger Integer-Wert";
}

void TestCalculatorLogic::taxConversionErrors()
{
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(QString, ccm);
    QFETCH(QString, co2);
    QFETCH(QString, weight);
    QFETCH(int, fuel);
    QFETCH(QString, message);
    QCOMPARE(conversionMessage([&] {
                 calculateTax({month, year, ccm, co2, weight, fuel, kNone});
             }),
             message);
}

void TestCalculatorLogic::co2_data()
{
    QTest::addColumn<QString>("consumption");
    QTest::addColumn<QString>("fuel");
    QTest::addColumn<QString>("mileage");
    QTest::addColumn<QString>("perKm");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("message");
    const QString missing = "warning:Bitte geben Sie zur Berechnung mindestens einen "
                            "Verbrauch/100 Km und die Kraftstoffart an";
    const QString invalid = "plain:Ungültige Km- oder Literangaben";
    QTest::newRow("petrol") << "5,5"
                            << "Benzin"
                            << ""
                            << "130"
                            << ""
                            << "";
    QTest::newRow("petrol with mileage: tonnes") << "5,5"
                                                 << "Benzin"
                                                 << "15000"
                                                 << "130"
                                                 << "2 t"
                                                 << "";
    QTest::newRow("diesel, kilograms") << "10"
                                       << "Diesel"
                                       << "4"
                                       << "265"
                                       << "1 kg"
                                       << "";
    QTest::newRow("LPG, grams") << "5"
                                << "Autogas"
                                << "10"
                                << "87"
                                << "870 g"
                                << "";
    QTest::newRow("electric counts as LPG") << "5"
                                            << "Elektro"
                                            << ""
                                            << "87"
                                            << ""
                                            << "";
    QTest::newRow("consumption 0") << "0"
                                   << "Diesel"
                                   << "20000"
                                   << "0"
                                   << "0 g"
                                   << "";
    QTest::newRow("no consumption") << " "
                                    << "Diesel"
                                    << ""
                                    << ""
                                    << "" << missing;
    QTest::newRow("no fuel") << "5,5"
                             << ""
                             << ""
                             << ""
                             << "" << missing;
    QTest::newRow("letters in the consumption") << "abc"
                                                << "Diesel"
                                                << ""
                                                << ""
                                                << "" << invalid;
    QTest::newRow("letters in the mileage keep the CO2") << "5,5"
                                                         << "Benzin"
                                                         << "15x"
                                                         << "130"
                                                         << "" << invalid;
}

void TestCalculatorLogic::co2()
{
    QFETCH(QString, consumption);
    QFETCH(QString, fuel);
    QFETCH(QString, mileage);
    QFETCH(QString, perKm);
    QFETCH(QString, total);
    QFETCH(QString, message);
    const Co2Outcome outcome = calculateCo2(consumption, fuel, mileage);
    QCOMPARE(outcome.perKm.value_or(QString()), perKm);
    QCOMPARE(outcome.total ? outcome.total->value + u' ' + outcome.total->unit : QString(), total);
    QCOMPARE(shown(outcome.refusal, QString()), message);
}

void TestCalculatorLogic::co2Units_data()
{
    QTest::addColumn<float>("grams");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("unit");
    QTest::newRow("1000 g stays g") << 1000.0f << "1000"
                                    << "g";
    QTest::newRow("just above 1000 g") << 1000.5f << "1"
                                       << "kg";
    QTest::newRow("1500 g") << 1500.0f << "2"
                            << "kg";
    QTest::newRow("1,000,000 g stays kg") << 1000000.0f << "1000"
                                          << "kg";
    QTest::newRow("above 1,000,000 g") << 1955250.0f << "2"
                                       << "t";
}

void TestCalculatorLogic::co2Units()
{
    QFETCH(float, grams);
    QFETCH(QString, value);
    QFETCH(QString, unit);
    const Co2Total total = co2TotalShown(grams);
    QCOMPARE(total.value, value);
    QCOMPARE(total.unit, unit);
}

void TestCalculatorLogic::power_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("factor");
    QTest::addColumn<QString>("expected");
    QTest::newRow("100 kW") << "100" << kPsPerKw << "136";
    QTest::newRow("150 PS") << "150" << kKwPerPs << "110";
    QTest::newRow("decimal kW") << "73,5" << kPsPerKw << "100";
    QTest::newRow("0 kW") << "0" << kPsPerKw << "0";
    QTest::newRow("letters") << "abc" << kPsPerKw << "'abc' ist kein gültiger Gleitkommawert";
}

void TestCalculatorLogic::power()
{
    QFETCH(QString, text);
    QFETCH(float, factor);
    QFETCH(QString, expected);
    QString result;
    const QString error = conversionMessage([&] { result = convertedPower(text, factor); });
    QCOMPARE(error.isEmpty() ? result : error, expected);
}

void TestCalculatorLogic::residualValue_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("km");
    QTest::addColumn<QString>("emission");
    QTest::addColumn<QString>("technical");
    QTest::addColumn<QString>("visual");
    QTest::addColumn<QString>("expected");
    const QDate may2023(2023, 5, 10);
    const QDate aug2023(2023, 8, 10);
    const QDate mar2023(2023, 3, 10);
    QTest::newRow("three years, expected mileage") << may2023 << "30000"
                                                   << "6"
                                                   << "2020"
                                                   << "39000"
                                                   << "Euro6"
                                                   << ""
                                                   << ""
                                                   << "18823,53";
    QTest::newRow("three years, high mileage counts twice") << may2023 << "30000"
                                                            << "6"
                                                            << "2020"
                                                            << "60000"
                                                            << "Euro6"
                                                            << ""
                                                            << ""
                                                            << "16796,38";
    QTest::newRow("eight years, Euro5, top and slight faults") << aug2023 << "20000"
                                                               << "3"
                                                               << "2015"
                                                               << "100000"
                                                               << "Euro5"
                                                               << "Topzustand"
                                                               << "Leichte Mängel"
                                                               << "5080,54";
    QTest::newRow("registered this year: months so far, no bonus") << aug2023 << "20000"
                                                                   << "3"
                                                                   << "2023"
                                                                   << "5000"
                                                                   << "Euro6"
                                                                   << ""
                                                                   << ""
                                                                   << "18431,37";
    QTest::newRow("registered last year") << mar2023 << "20000"
                                          << "10"
                                          << "2022"
                                          << "5000"
                                          << "Euro6"
                                          << ""
                                          << ""
                                          << "16797,39";
    QTest::newRow("exactly 12 years is calculated") << may2023 << "20000"
                                                    << "6"
                                                    << "2011"
                                                    << "156000"
                                                    << "Euro5"
                                                    << ""
                                                    << ""
                                                    << "862,75";
    QTest::newRow("13 years")
        << may2023 << "20000"
        << "6"
        << "2010"
        << "1000"
        << "Euro5"
        << ""
        << ""
        << "information:Es können nur Fahrzeuge bis zu einem Alter von 12 Jahren berechnet werden";
    QTest::newRow("year 0") << may2023 << "20000"
                            << "6"
                            << "0"
                            << "1000"
                            << ""
                            << ""
                            << ""
                            << "information:Es können nur Fahrzeuge bis zu einem Alter von 12 "
                               "Jahren berechnet werden";
    QTest::newRow("parts only at ten years: -60 % twice") << may2023 << "20000"
                                                          << "6"
                                                          << "2013"
                                                          << "1000"
                                                          << "Euro6"
                                                          << "Zum Ausschlachten"
                                                          << "Topzustand"
                                                          << "0,00";
    QTest::newRow("heavy rust at eleven years: -40 % twice") << may2023 << "20000"
                                                             << "6"
                                                             << "2012"
                                                             << "143000"
                                                             << "Euro6"
                                                             << "Topzustand"
                                                             << "Schwere Rost-/Unfallschäden"
                                                             << "313,73";
    QTest::newRow("registered next year") << may2023 << "20000"
                                          << "6"
                                          << "2024"
                                          << "0"
                                          << ""
                                          << ""
                                          << ""
                                          << "0,00";
    QTest::newRow("year 99999") << may2023 << "20000"
                                << "6"
                                << "99999"
                                << "0"
                                << ""
                                << ""
                                << ""
                                << "0,00";
    QTest::newRow("one year, serious faults once") << mar2023 << "20000"
                                                   << "10"
                                                   << "2022"
                                                   << "5000"
                                                   << ""
                                                   << "Erhebliche Mängel"
                                                   << ""
                                                   << "15311,46";
    QTest::newRow("no price") << may2023 << " "
                              << "6"
                              << "2020"
                              << "1000"
                              << ""
                              << ""
                              << ""
                              << "warning:Bitte Neupreis angeben, sonst ist keine Berechnung "
                                 "möglich!";
    QTest::newRow("no month") << may2023 << "20000"
                              << ""
                              << "2020"
                              << "1000"
                              << ""
                              << ""
                              << ""
                              << "warning:Bitte Baujahr und Monat angeben, sonst ist keine "
                                 "Berechnung möglich!";
    QTest::newRow("no km") << may2023 << "20000"
                           << "6"
                           << "2020"
                           << ""
                           << ""
                           << ""
                           << ""
                           << "warning:Bitte aktuellen Kmstand angeben, sonst ist keine "
                              "Berechnung möglich!";
    QTest::newRow("price not a number")
        << may2023 << "20.000 €"
        << "6"
        << "2020"
        << "1000"
        << ""
        << ""
        << ""
        << "warning:Neupreisangabe ungültig. Keine Berechnung möglich!";
    QTest::newRow("year not a number")
        << may2023 << "20000"
        << "6"
        << "20x0"
        << "1000"
        << ""
        << ""
        << ""
        << "warning:Baujahr/Monat ungültig. Keine Berechnung möglich!";
    QTest::newRow("month 13") << may2023 << "20000"
                              << "13"
                              << "2015"
                              << "1000"
                              << ""
                              << ""
                              << ""
                              << "warning:Baujahr/Monat ungültig. Keine Berechnung möglich!";
    QTest::newRow("month 0") << may2023 << "20000"
                             << "0"
                             << "2015"
                             << "1000"
                             << ""
                             << ""
                             << ""
                             << "warning:Baujahr/Monat ungültig. Keine Berechnung möglich!";
    QTest::newRow("km not a number")
        << may2023 << "20000"
        << "6"
        << "2020"
        << "abc"
        << ""
        << ""
        << ""
        << "plain:Ungültige Werte. Überpüfen Sie Preis und Baujahrangaben!";
}

void TestCalculatorLogic::residualValue()
{
    QFETCH(QDate, today);
    QFETCH(QString, price);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(QString, km);
    QFETCH(QString, emission);
    QFETCH(QString, technical);
    QFETCH(QString, visual);
    QFETCH(QString, expected);
    const ResidualOutcome outcome =
        calculateResidualValue({price, year, month, km, emission, technical, visual}, today);
    QCOMPARE(shown(outcome.refusal, format2(outcome.value)), expected);
}

void TestCalculatorLogic::taxFileLines()
{
    TaxCalculatorData d{"M AB 12", "",    "2015", "VW",    " ",   "Diesel",
                        "Euro 6",  "5,5", "1800", "15000", "1968"};
    QCOMPARE(taxCalculatorLines(d), (QStringList{"M AB 12", "  ", "2015", "VW", "  ", "Diesel",
                                                 "Euro 6", "5,5", "1800", "15000", "1968", "5,5"}));
}

void TestCalculatorLogic::taxFileParsing_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("plate");
    QTest::addColumn<QString>("consumption");
    QTest::addColumn<QString>("displacement");
    QTest::newRow("line 12 wins over line 8")
        << QStringList{"K X 1",  "1",   "2015", "VW", "Golf", "Benzin",
                       "Euro 6", "5,5", "0",    "",   "1598", "6,1"}
        << "K X 1"
        << "6,1"
        << "1598";
    QTest::newRow("missing lines are one blank") << QStringList{"K X 1", "1"} << "K X 1"
                                                 << " "
                                                 << " ";
    QStringList many;
    for (int i = 1; i <= 1000; ++i)
        many << QString::number(i);
    QTest::newRow("1000 lines: the first 12 count") << many << "1"
                                                    << "12"
                                                    << "11";
}

void TestCalculatorLogic::taxFileParsing()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, plate);
    QFETCH(QString, consumption);
    QFETCH(QString, displacement);
    const TaxCalculatorData d = parseTaxCalculatorLines(lines);
    QCOMPARE(d.plate, plate);
    QCOMPARE(d.consumption, consumption);
    QCOMPARE(d.displacement, displacement);
}

void TestCalculatorLogic::residualFileLines()
{
    ResidualCalculatorData d{"M AB 12", "6",      "2020",  "VW", "Golf",       "39000", "",
                             "30000",   "Benzin", "Euro6", "",   "Topzustand", "136"};
    QCOMPARE(residualCalculatorLines(d),
             (QStringList{"M AB 12", "6", "2020", "VW", "Golf", "39000", "  ", "30000", "Benzin",
                          "Euro6", "  ", "Topzustand", "  ", "136"}));
}

void TestCalculatorLogic::residualFileParsing()
{
    const QStringList lines{"M AB 12", "6",      "2020",  "VW", "Golf",       "39000", "90",
                            "30000",   "Benzin", "Euro6", "",   "Topzustand", "100",   "999"};
    const ResidualCalculatorData d = parseResidualCalculatorLines(lines);
    QCOMPARE(d.kw, QString("100"));
    QCOMPARE(d.ps, QString());
    QCOMPARE(d.visual, QString("Topzustand"));
    QCOMPARE(d.technical, QString());
    QCOMPARE(parseResidualCalculatorLines({"M AB 12", "6"}).newPrice, QString(" "));
}

TARVO_TEST_GUILESS_MAIN(TestCalculatorLogic)
#include "test_calculator_logic.moc"
