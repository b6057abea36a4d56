// The residual value file "RestWert<nr>.txt", opened and calculated with, as
// the residual value window does.

#include "calculators/calculator_files.h"
#include "calculators/power_conversion.h"
#include "calculators/residual_value.h"
#include "common/text_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TextFile file;
    if (!readTextFile(inputAsFile(data, size), file) || file.lines.size() < kMinCalculatorFileLines)
        return 0;
    const ResidualCalculatorData values = parseResidualCalculatorLines(file.lines);
    residualCalculatorLines(values);
    const ResidualInputs inputs{values.newPrice, values.year,          values.month,
                                values.odometer, values.emissionClass, values.technical,
                                values.visual};
    allowingConversionErrors([&inputs] {
        const ResidualOutcome outcome = calculateResidualValue(inputs, QDate(2024, 6, 15));
        fuzzCheck(outcome.value >= 0, "a residual value is never negative");
    });
    allowingConversionErrors([&values] { convertedPower(values.kw, kPsPerKw); });
    return 0;
}
