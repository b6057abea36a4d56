#pragma once
// Texts that become parts of file names (vehicle number, booking year, plate)
// must never lead out of the data folder.

#include <QString>

// True when the text can be put into a file name: no path separator, no "..",
// no control character, no drive colon.
bool isSafeFileNamePart(const QString& text);

// True for a plain positive decimal integer without sign or blanks ("1", "42").
bool isPlainPositiveInteger(const QString& text);

// True for exactly four decimal digits ("2024").
bool isFourDigitYear(const QString& text);
