#pragma once
// Decides from the update server's answer whether a newer program version exists.

#include <QString>

enum class UpdateVerdict {
    NoVerdict, // no usable answer: nothing is said
    UpToDate,
    Newer,
};

// Compares the running version (dotted, "2.1.0.5") with the first line of the
// server's answer. The dots are dropped and the server's digits are padded with
// zeros on the right up to the length of the local digits (never the other way
// round), so 2.1.1 against 2.1.0.5 compares 2110 with 2105.
// A digit string that is no 32-bit integer throws ConversionError, whose message
// the caller shows. An answer line that is no plausible version text (markup,
// control characters, longer than a version can be) gives NoVerdict: it is
// never shown to the user.
UpdateVerdict compareWithServerVersion(const QString& localVersion, const QString& answer);
