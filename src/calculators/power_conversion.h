#pragma once
// Engine power between kilowatts and metric horsepower, as whole numbers.

#include <QString>

inline constexpr float kPsPerKw = 1.359622f;
inline constexpr float kKwPerPs = 0.735499f;

// The power typed in `text` times `factor`, rounded to a whole number.
// Throws ConversionError when the text is not a decimal number.
QString convertedPower(const QString& text, float factor);
