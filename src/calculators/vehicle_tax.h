#pragma once
// The German annual motor vehicle tax of a car under the Kraftfahrzeugsteuergesetz
// as tax offices apply it today: displacement and CO2 for combustion engines,
// the banded weight tariff (halved) for electric cars, rounded down to whole euros.

#include "calculators/calculation_message.h"

#include <QString>
#include <optional>

// Indexes of the calculator's fuel pick list "Diesel", "Benzin", "Autogas", "Elektro".
enum class TaxFuel { Diesel = 0, Benzin = 1, Autogas = 2, Elektro = 3 };

// The calculator's fields as typed, and the two pick lists by index (-1: none chosen).
struct TaxInputs {
    QString month;
    QString year;
    QString displacement;
    QString co2;
    QString weight;
    int fuelIndex = -1;
    int emissionIndex = -1; // "Euro 1" … "Euro 6" are 0 … 5
};

struct TaxOutcome {
    // Set when a required input is missing or out of range; then there is no tax.
    std::optional<CalculationMessage> refusal;
    qint64 euros = 0;
    // Shown after the tax (electric cars).
    std::optional<CalculationMessage> note;
};

// Throws ConversionError when a field holds something other than a number.
TaxOutcome calculateTax(const TaxInputs& inputs);

extern const QString kElectricExemptionNote;
