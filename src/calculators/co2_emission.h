#pragma once
// The CO2 a car emits per kilometre from its standard consumption, and in a
// year from its annual mileage, in the unit that keeps the number readable.

#include "calculators/calculation_message.h"

#include <QString>
#include <optional>

// Grams of CO2 per litre burnt: diesel, petrol, and every other fuel.
float co2GramsPerLitre(const QString& fuelText);

// The yearly total as shown: a whole number and its unit "g", "kg" or "t".
struct Co2Total {
    QString value;
    QString unit;
};
Co2Total co2TotalShown(float grams);

struct Co2Outcome {
    // Set when the calculation ends early; fields already computed stay set.
    std::optional<CalculationMessage> refusal;
    std::optional<QString> perKm; // whole grams per km
    std::optional<Co2Total> total;
};

// Consumption in l/100 km, fuel text as chosen, annual mileage in km (may be blank).
Co2Outcome calculateCo2(const QString& consumption, const QString& fuelText,
                        const QString& mileage);
