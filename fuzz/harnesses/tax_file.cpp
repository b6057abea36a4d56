// The tax calculator's text file, opened and its values calculated with, as
// the calculator window does.

#include "calculators/calculator_files.h"
#include "calculators/co2_emission.h"
#include "calculators/vehicle_tax.h"
#include "common/text_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TextFile file;
    if (!readTextFile(inputAsFile(data, size), file) || file.lines.size() < kMinCalculatorFileLines)
        return 0;
    const TaxCalculatorData values = parseTaxCalculatorLines(file.lines);
    taxCalculatorLines(values);
    // The window calculates the tax with the CO2 per km it worked out first.
    QString co2PerKm;
    allowingConversionErrors([&values, &co2PerKm] {
        co2PerKm =
            calculateCo2(values.consumption, values.fuel, values.mileage).perKm.value_or(QString());
    });
    for (int fuel = 0; fuel < 4; ++fuel) {
        const TaxInputs inputs{
            values.month, values.year, values.displacement, co2PerKm, values.weight, fuel, fuel};
        allowingConversionErrors([&inputs] { calculateTax(inputs); });
    }
    return 0;
}
