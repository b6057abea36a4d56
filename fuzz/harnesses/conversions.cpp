// The strict conversions every typed or stored number and date goes through:
// integers, decimals, dates with and without time, and km values.

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    allowingConversionErrors([&text] { strToInt(text); });
    allowingConversionErrors([&text] { strToFloat(text); });
    allowingConversionErrors([&text] { strToDateTime(text, 2024); });
    allowingConversionErrors([&text] {
        const QDate date = strToDate(text, 2024);
        fuzzCheck(date.isValid(), "a converted date is a valid date");
        fuzzCheck(strToDate(formatDate(date), 2024) == date, "a stored date reads back as itself");
    });
    allowingConversionErrors([&text] {
        kmValue(text);
        fuzzCheck(kmValue(kmDigits(text)) == kmValue(text),
                  "a km text keeps its value when stored");
    });
    return 0;
}
