// A booking file as the booking window reads it: the lines, each booking's
// fields, the search for a booking number and the next number.

#include "bookings/booking_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TextFile file;
    if (!ReadBookingLines(inputAsFile(data, size), file))
        return 0;
    for (const QString& line : file.lines) {
        if (IsBlankLine(line))
            continue;
        const QString stored = FormatBooking(ParseBooking(line));
        fuzzCheck(FormatBooking(ParseBooking(stored)) == stored,
                  "a stored booking line reads back as itself");
        StoredCategory(ParseBooking(line).Kostenart);
    }
    allowingConversionErrors([&file] { HighestBuchNr(file.lines); });
    allowingConversionErrors([&file] { FindBookingLine(file.lines, 1); });
    return 0;
}
