#include "calculators/vehicle_tax.h"

#include "common/conversions.h"
#include "common/number_format.h"

#include <algorithm>
#include <limits>

const QString kElectricExemptionNote = QStringLiteral(
    "Für Elektrofahrzeuge mit Erstzulassung bis Ende 2030 gibt es eine 10-jährige "
    "Steuerbefreiung ab Erstzulassung, längstens bis 31.12.2035. Danach gilt der angezeigte "
    "Steuerbetrag.");

namespace {

// All amounts are whole cents, so that rounding down to euros never meets a
// binary fraction such as 125.99999.

struct Band {
    qint64 from; // first unit of the band, counted from 1
    qint64 to;
    qint64 cents;
};

constexpr qint64 kOpenEnd = std::numeric_limits<qint64>::max() / 1024;

// Cars first registered from 2021: each gram above 95 g/km at its band's rate.
constexpr Band kCo2Bands2021[] = {{96, 115, 200},  {116, 135, 220}, {136, 155, 250},
                                  {156, 175, 290}, {176, 195, 340}, {196, kOpenEnd, 400}};
// Electric cars: per started 200 kg, by the part of the weight the 200 kg lie in.
constexpr qint64 kWeightStep = 200;
constexpr Band kWeightBands[] = {{1, 2000, 1125}, {2001, 3000, 1202}, {3001, kOpenEnd, 1278}};

constexpr qint64 kFlatCentsPerGram = 200;
constexpr qint64 kDieselCentsPer100Ccm = 950;
constexpr qint64 kPetrolCentsPer100Ccm = 200;

CalculationMessage warning(const char* text)
{
    return {CalculationMessage::Kind::Warning, QString::fromUtf8(text)};
}

CalculationMessage error(const char* text)
{
    return {CalculationMessage::Kind::Error, QString::fromUtf8(text)};
}

qint64 startedUnits(qint64 amount, qint64 unit)
{
    return (amount + unit - 1) / unit;
}

// How many of the units 1 … amount fall into the band.
qint64 unitsInBand(qint64 amount, const Band& band)
{
    return std::max<qint64>(0, std::min(amount, band.to) - band.from + 1);
}

// A field that holds a count (displacement, weight): a non-negative integer.
qint64 countValue(const QString& text)
{
    const int value = strToInt(text);
    if (value < 0)
        throw ConversionError(integerErrorMessage(text));
    return value;
}

qint64 co2Value(const QString& text)
{
    const double rounded = roundFixed(strToFloat(text), 0, Rounding::HalfToEven);
    if (std::abs(rounded) > std::numeric_limits<int>::max())
        throw ConversionError(floatErrorMessage(text));
    return qint64(rounded);
}

int co2Allowance(int year)
{
    if (year >= 2014)
        return 95;
    if (year >= 2012)
        return 110;
    return 120;
}

// Registered before 1 July 2009; a missing month counts as 0.
bool oldRulesApply(int year, int month)
{
    return year < 2009 || (year == 2009 && month < 7);
}

// Cars registered from November 2008 to June 2009 pay the lower of both taxes.
bool lowerOfBothRules(int year, int month)
{
    return (year == 2008 && month >= 11) || (year == 2009 && month < 7);
}

qint64 oldRulesCentsPer100Ccm(TaxFuel fuel, int emissionIndex)
{
    const bool euro1OrNone = emissionIndex <= 0;
    const bool euro2 = emissionIndex == 1;
    if (fuel == TaxFuel::Diesel)
        return euro1OrNone ? 2735 : euro2 ? 1605 : 1544;
    return euro1OrNone ? 1513 : euro2 ? 736 : 675;
}

qint64 co2Cents(qint64 co2, int year, int allowance)
{
    if (year < 2021)
        return std::max<qint64>(0, co2 - allowance) * kFlatCentsPerGram;
    qint64 cents = 0;
    for (const Band& band : kCo2Bands2021)
        cents += unitsInBand(co2, band) * band.cents;
    return cents;
}

qint64 combustionCents(TaxFuel fuel, int emissionIndex, int year, int month, qint64 displacement,
                       qint64 co2)
{
    if (displacement == 0)
        return 0;
    const qint64 units = startedUnits(displacement, 100);
    const qint64 base =
        units * (fuel == TaxFuel::Diesel ? kDieselCentsPer100Ccm : kPetrolCentsPer100Ccm);
    if (!oldRulesApply(year, month))
        return base + co2Cents(co2, year, co2Allowance(year));
    const qint64 oldRules = units * oldRulesCentsPer100Ccm(fuel, emissionIndex);
    if (!lowerOfBothRules(year, month))
        return oldRules;
    return std::min(oldRules, base + co2Cents(co2, year, 120));
}

qint64 electricCents(qint64 weight)
{
    const qint64 steps = startedUnits(weight, kWeightStep);
    qint64 cents = 0;
    for (const Band& band : kWeightBands) {
        const Band inSteps{(band.from - 1) / kWeightStep + 1, band.to / kWeightStep, band.cents};
        cents += unitsInBand(steps, inSteps) * band.cents;
    }
    return cents / 2;
}

} // namespace

TaxOutcome calculateTax(const TaxInputs& in)
{
    TaxOutcome outcome;
    const int month = in.month.trimmed().isEmpty() ? 0 : strToInt(in.month);
    if (in.year.trimmed().isEmpty()) {
        outcome.refusal = warning("Bitte Zulassungsdatum angeben.");
        return outcome;
    }
    const int year = strToInt(in.year);
    if (year < 1900) {
        outcome.refusal = error("Ungültiges Zulassungsjahr!");
        return outcome;
    }
    if (in.displacement.trimmed().isEmpty()) {
        outcome.refusal = error("Bitte Hubraum angeben!");
        return outcome;
    }
    const qint64 displacement = countValue(in.displacement);
    if (in.co2.trimmed().isEmpty()) {
        outcome.refusal = error("Bitte CO2-Ausstoß angeben!");
        return outcome;
    }
    const qint64 co2 = co2Value(in.co2);
    if (in.fuelIndex < 0 || in.fuelIndex > int(TaxFuel::Elektro)) {
        outcome.refusal = error("Bitte Kraftstoffart angeben!");
        return outcome;
    }
    const auto fuel = TaxFuel(in.fuelIndex);
    qint64 cents = 0;
    if (fuel == TaxFuel::Elektro) {
        const qint64 weight = in.weight.trimmed().isEmpty() ? 0 : countValue(in.weight);
        cents = electricCents(weight);
        outcome.note =
            CalculationMessage{CalculationMessage::Kind::Information, kElectricExemptionNote};
    } else {
        cents = combustionCents(fuel, in.emissionIndex, year, month, displacement, co2);
    }
    // The annual tax is always rounded down to whole euros.
    outcome.euros = cents / 100;
    return outcome;
}
