#include "calculators/residual_value.h"

#include "common/conversions.h"

#include <algorithm>

namespace {

const QString kTop = QStringLiteral("Topzustand");
const QString kSlightFaults = QStringLiteral("Leichte Mängel");
const QString kSeriousFaults = QStringLiteral("Erhebliche Mängel");

constexpr int kMaxAge = 12;
constexpr float kKmPerYear = 13000.0f;

CalculationMessage warning(const char* text)
{
    return {CalculationMessage::Kind::Warning, QString::fromUtf8(text)};
}

// The value lost in the months of the first year and in each full year since,
// each year losing 1/153 of the new price less than the one before (17 + 16 + … + 1 = 153).
double depreciatedValue(double newPrice, int age, int month, int currentMonth)
{
    if (age < 0)
        return 0;
    const float firstYearAmount = float(newPrice / 17 * 2);
    const double yearlyDecrease = newPrice / 153;
    const int months = age == 0 ? currentMonth : age == 1 ? 12 - month + currentMonth : 12 - month;
    const float fraction = float(months) / 12.0f;
    double value = newPrice - double(firstYearAmount) * double(fraction);
    float yearAmount = firstYearAmount;
    for (int year = 1; year <= age; ++year) {
        yearAmount = float(yearAmount - yearlyDecrease);
        value -= yearAmount;
    }
    return value;
}

// More kilometres than 13000 a year lower the value, fewer raise it.
float mileagePercent(int age, float km)
{
    const float expected = age >= 1 ? kKmPerYear * float(age) : kKmPerYear;
    const float percent = (expected - km) / expected * 10.0f;
    return std::clamp(percent, -25.0f, 15.0f);
}

float emissionPercent(int age, const QString& emissionClass)
{
    if (age <= 4)
        return 0;
    if (emissionClass == QLatin1String("Euro4"))
        return 2;
    if (emissionClass == QLatin1String("Euro5") || emissionClass == QLatin1String("Euro6"))
        return 10;
    if (emissionClass == QLatin1String("Euro1") || emissionClass == QLatin1String("Euro2"))
        return -15;
    return 0;
}

// One condition rating (technical or visual).
float conditionPercent(int age, const QString& rating)
{
    if (rating == kTop)
        return age > 4 ? float(age) : 0.0f;
    if (rating == kSlightFaults)
        return age < 4 ? -10.0f : age >= 8 ? 5.0f : 0.0f;
    if (rating == kSeriousFaults)
        return age < 10 ? -15.0f : -5.0f;
    return 0;
}

bool fitOnlyForParts(const ResidualInputs& in)
{
    return in.technical == QLatin1String("Zum Ausschlachten") ||
           in.visual == QStringLiteral("Schwere Rost-/Unfallschäden");
}

float adjustmentPercent(int age, float km, const ResidualInputs& in)
{
    float percent = mileagePercent(age, km) + emissionPercent(age, in.emissionClass) +
                    conditionPercent(age, in.technical) + conditionPercent(age, in.visual);
    if (fitOnlyForParts(in))
        percent = age < 11 ? -60.0f : -40.0f;
    return std::clamp(percent, -60.0f, 25.0f);
}

} // namespace

ResidualOutcome calculateResidualValue(const ResidualInputs& in, const QDate& today)
{
    ResidualOutcome outcome;
    if (in.newPrice.trimmed().isEmpty()) {
        outcome.refusal = warning("Bitte Neupreis angeben, sonst ist keine Berechnung möglich!");
        return outcome;
    }
    if (in.year.trimmed().isEmpty() || in.month.trimmed().isEmpty()) {
        outcome.refusal =
            warning("Bitte Baujahr und Monat angeben, sonst ist keine Berechnung möglich!");
        return outcome;
    }
    if (in.odometer.trimmed().isEmpty()) {
        outcome.refusal =
            warning("Bitte aktuellen Kmstand angeben, sonst ist keine Berechnung möglich!");
        return outcome;
    }
    double newPrice = 0;
    if (!tryStrToFloat(in.newPrice, newPrice)) {
        outcome.refusal = warning("Neupreisangabe ungültig. Keine Berechnung möglich!");
        return outcome;
    }
    int year = 0;
    int month = 0;
    // A month outside 1 … 12 would count more than a year's or negative months
    // and could raise the value above the new price.
    if (!tryStrToInt(in.year, year) || !tryStrToInt(in.month, month) || month < 1 || month > 12) {
        outcome.refusal = warning("Baujahr/Monat ungültig. Keine Berechnung möglich!");
        return outcome;
    }
    const int age = today.year() - year;
    if (age > kMaxAge) {
        outcome.refusal = CalculationMessage{
            CalculationMessage::Kind::Information,
            QStringLiteral(
                "Es können nur Fahrzeuge bis zu einem Alter von 12 Jahren berechnet werden")};
        return outcome;
    }
    double km = 0;
    if (!tryStrToFloat(in.odometer, km)) {
        outcome.refusal = CalculationMessage{
            CalculationMessage::Kind::Plain,
            QStringLiteral("Ungültige Werte. Überpüfen Sie Preis und Baujahrangaben!")};
        return outcome;
    }
    const double value = depreciatedValue(newPrice, age, month, today.month());
    const double percent = adjustmentPercent(age, float(km), in);
    double result = value;
    if (age >= 2)
        result += value * percent / 100;
    // A negative percentage counts once more: twice from the second year on.
    if (percent < 0)
        result += value * percent / 100;
    outcome.value = std::max(0.0, result);
    return outcome;
}
