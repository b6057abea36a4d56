// A tyre file "Reifen<nr>.csv": both sets read, written back, and each
// tyre's mileage worked out as the tyre window shows it.

#include "common/text_file.h"
#include "fuzz_support.h"
#include "tyres/tyre_record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TextFile file;
    if (!readTextFile(inputAsFile(data, size), file))
        return 0;
    const ReifenRecord record = parseTyreLines(file.lines);
    const QStringList stored = formatTyreLines(record);
    fuzzCheck(formatTyreLines(parseTyreLines(stored)) == stored,
              "stored tyre lines read back as themselves");
    for (const TyreSet& set : record.sets)
        for (const Tyre& tyre : set)
            allowingConversionErrors(
                [&tyre] { tyreMileage(tyre[TyrePurchaseKm], QStringLiteral("98765")); });
    return 0;
}
