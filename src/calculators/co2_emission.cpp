#include "calculators/co2_emission.h"

#include "common/conversions.h"
#include "common/number_format.h"

float co2GramsPerLitre(const QString& fuelText)
{
    if (fuelText == QLatin1String("Diesel"))
        return 2650.0f;
    if (fuelText == QLatin1String("Benzin"))
        return 2370.0f;
    return 1740.0f;
}

Co2Total co2TotalShown(float grams)
{
    if (grams > 1000000.0f)
        return {formatFixed(grams / 1000000.0f, 0), QStringLiteral("t")};
    if (grams > 1000.0f)
        return {formatFixed(grams / 1000.0f, 0), QStringLiteral("kg")};
    return {formatFixed(grams, 0), QStringLiteral("g")};
}

Co2Outcome calculateCo2(const QString& consumption, const QString& fuelText, const QString& mileage)
{
    Co2Outcome outcome;
    if (consumption.trimmed().isEmpty() || fuelText.trimmed().isEmpty()) {
        outcome.refusal = CalculationMessage{
            CalculationMessage::Kind::Warning,
            QStringLiteral("Bitte geben Sie zur Berechnung mindestens einen Verbrauch/100 Km "
                           "und die Kraftstoffart an")};
        return outcome;
    }
    try {
        const float litres = float(strToFloat(consumption));
        const float perKm = litres / 100.0f * co2GramsPerLitre(fuelText);
        outcome.perKm = formatFixed(perKm, 0);
        if (!mileage.trimmed().isEmpty())
            outcome.total = co2TotalShown(float(strToInt(mileage)) * perKm);
    } catch (const ConversionError&) {
        outcome.refusal = CalculationMessage{CalculationMessage::Kind::Plain,
                                             QStringLiteral("Ungültige Km- oder Literangaben")};
    }
    return outcome;
}
