// The vehicle file "Kfz.csv" as start-up and navigation read it: every line
// parsed, the search through the vehicles, the start-km rule before a save.

#include "store/vehicle_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    VehicleFile file;
    file.setPath(inputAsFile(data, size));
    if (!file.read())
        return 0;
    for (const QString& line : file.lines()) {
        KfzRecord record = file.parse(line);
        const QString stored = formatVehicleLine(record);
        // An empty line is no vehicle and keeps its empty number; any other reads back.
        fuzzCheck(line.isEmpty() || formatVehicleLine(parseVehicleLine(stored)) == stored,
                  "a stored vehicle line reads back as itself");
        allowingConversionErrors([&record] { applyStartKmRule(record); });
    }
    allowingConversionErrors([&file] { file.scan(QStringLiteral("M-AB 1234")); });
    file.setCurrentIndex(file.count());
    file.currentLine();
    file.dropBlankLines();
    return 0;
}
