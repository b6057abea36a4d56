#include "bookings/booking_values.h"

#include "bookings/booking_file.h"
#include "common/conversions.h"
#include "common/number_format.h"

#include <QLocale>
#include <cmath>

namespace {

// The amount and litres fields are read after dropping what a user may have
// typed or pasted for readability.
std::optional<float> preparedNumber(const QString& text)
{
    QString prepared = text.trimmed().isEmpty() ? QStringLiteral("0") : text;
    prepared.remove(QLocale().groupSeparator());
    prepared.remove(QStringLiteral("\r\n"));
    double value = 0;
    if (!tryStrToFloat(prepared, value))
        return std::nullopt;
    const float single = float(value);
    if (!std::isfinite(single))
        return std::nullopt;
    return single;
}

std::optional<float> plainNumber(const QString& text)
{
    double value = 0;
    if (!tryStrToFloat(text, value) || !std::isfinite(float(value)))
        return std::nullopt;
    return float(value);
}

} // namespace

std::optional<QString> CheckedAmount(const QString& text)
{
    const auto value = preparedNumber(text);
    if (!value)
        return std::nullopt;
    return format2(*value);
}

std::optional<QString> CheckedLitres(const QString& category, const QString& text)
{
    if (!KeepsLitres(category.trimmed()))
        return QString();
    const auto value = preparedNumber(text);
    if (!value)
        return std::nullopt;
    return format1(*value);
}

std::optional<QString> LitrePrice(const QString& amount, const QString& litres)
{
    const auto money = plainNumber(amount);
    if (!money)
        return std::nullopt;
    if (litres.isEmpty() || litres == QStringLiteral("0") || litres == format1(0.0))
        return QString();
    const auto volume = plainNumber(litres);
    if (!volume)
        return std::nullopt;
    const float price = *money / *volume;
    if (!std::isfinite(price))
        return std::nullopt;
    return format2(price);
}

bool IsLargeMileageJump(int km, int kmStand)
{
    return qint64(km) - qint64(kmStand) > 1000;
}
