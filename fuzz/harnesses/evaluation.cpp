// The annual evaluation over an arbitrary booking file: one vehicle, and a
// fleet of that file twice, as the evaluation window runs them.

#include "evaluation/annual_evaluation.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = inputAsFile(data, size);
    AnnualEvaluation evaluation;
    allowingConversionErrors([&] { evaluation.runVehicle({path, QStringLiteral("119")}); });
    allowingConversionErrors([&] {
        evaluation.runFleet({{path, QString()}, {path, QStringLiteral("0,5")}});
    });
    for (int column = 0; column < kGridSize; ++column)
        for (int row = 0; row < kGridSize; ++row)
            evaluation.cell(column, row).size();
    return 0;
}
