#pragma once
// The checks and calculations of the booking window's number fields: amount,
// litres, litre price and the mileage jump that is questioned.

#include <QString>
#include <optional>

// The amount as it is stored: blank counts as 0, thousands separators and line
// breaks are dropped, the number is held as a 32-bit float and shown "0.00"
// ("1.234,5" gives "1234,50"). Nothing when the text is no number.
std::optional<QString> CheckedAmount(const QString& text);

// The litres of a category that keeps them, prepared like the amount and shown
// "0.0"; an empty text for every other category. Nothing when the text is no number.
std::optional<QString> CheckedLitres(const QString& category, const QString& text);

// The price per litre, amount ÷ litres in 32-bit floats, shown "0.00"; empty
// when no litres were given ("", "0" or "0,0"). Nothing when the amount or the
// litres are no number or the division fails.
std::optional<QString> LitrePrice(const QString& amount, const QString& litres);

// A reading more than 1000 km above the known mileage is questioned.
bool IsLargeMileageJump(int km, int kmStand);
