#include "common/number_format.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// Exact decimal digits of |value|: integer part and fraction part as strings.
// A binary fraction of n bits has exactly n decimal digits, so asking printf
// (which is exact) for that many digits loses nothing.
struct Digits {
    QByteArray integer;
    QByteArray fraction;
};

Digits exactDigits(double value)
{
    int exponent = 0;
    std::frexp(value, &exponent);
    const int fractionBits = std::clamp(53 - exponent, 1, 1074);
    std::vector<char> buffer(size_t(fractionBits) + 320);
    const int n =
        std::snprintf(buffer.data(), buffer.size(), "%.*f", fractionBits + 1, std::fabs(value));
    const QByteArray text(buffer.data(), n);
    const int dot = text.indexOf('.');
    return {text.left(dot), text.mid(dot + 1)};
}

// Adds one unit to the last digit of a decimal digit string.
QByteArray incremented(QByteArray digits)
{
    int i = digits.size() - 1;
    while (i >= 0 && digits[i] == '9') {
        digits[i] = '0';
        --i;
    }
    if (i < 0)
        digits.prepend('1');
    else
        digits[i] = char(digits[i] + 1);
    return digits;
}

struct Rounded {
    bool negative;
    QByteArray integer;
    QByteArray fraction;
};

Rounded roundDigits(double value, int decimals, Rounding rounding)
{
    Digits d = exactDigits(value);
    if (d.fraction.size() <= decimals)
        d.fraction.append(QByteArray(decimals + 1 - d.fraction.size(), '0'));
    QByteArray kept = d.integer + d.fraction.left(decimals);
    const QByteArray rest = d.fraction.mid(decimals);
    bool up = false;
    if (!rest.isEmpty() && rest[0] >= '5') {
        const bool exactHalf = rest[0] == '5' && rest.mid(1).count('0') == rest.size() - 1;
        if (!exactHalf || rounding == Rounding::HalfAwayFromZero)
            up = true;
        else
            up = (kept.back() - '0') % 2 == 1;
    }
    if (up)
        kept = incremented(kept);
    const int intLength = kept.size() - decimals;
    Rounded r{value < 0, kept.left(intLength), kept.mid(intLength)};
    while (r.integer.size() > 1 && r.integer[0] == '0')
        r.integer.remove(0, 1);
    if (r.integer.isEmpty())
        r.integer = "0";
    const bool zero = r.integer == "0" && r.fraction.count('0') == r.fraction.size();
    if (zero)
        r.negative = false;
    return r;
}

} // namespace

QString formatFixed(double value, int decimals, Rounding rounding)
{
    if (!std::isfinite(value))
        return QString::number(value);
    const Rounded r = roundDigits(value, decimals, rounding);
    QString text = QString::fromLatin1(r.integer);
    if (decimals > 0)
        text += QLocale().decimalPoint() + QString::fromLatin1(r.fraction);
    return r.negative ? QLatin1Char('-') + text : text;
}

double roundFixed(double value, int decimals, Rounding rounding)
{
    if (!std::isfinite(value))
        return value;
    const Rounded r = roundDigits(value, decimals, rounding);
    const double magnitude = (r.integer + '.' + r.fraction).toDouble();
    return r.negative ? -magnitude : magnitude;
}
