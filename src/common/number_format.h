#pragma once
// The program's number patterns "0.00" and "0.0": rounded on the exact binary
// value, no thousands separator, the locale's decimal separator, never "-0,00".

#include <QString>

enum class Rounding {
    HalfAwayFromZero, // the usual rule of the display patterns
    HalfToEven        // where a calculation rounds to the even neighbour
};

// A 32-bit float converts to double exactly, so callers holding a float pass it
// as it is and the exact float value is rounded.
QString formatFixed(double value, int decimals, Rounding rounding = Rounding::HalfAwayFromZero);

inline QString format2(double value)
{
    return formatFixed(value, 2);
}
inline QString format1(double value)
{
    return formatFixed(value, 1);
}

// The value rounded as formatFixed rounds it, as a number.
double roundFixed(double value, int decimals, Rounding rounding = Rounding::HalfAwayFromZero);
