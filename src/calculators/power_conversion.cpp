#include "calculators/power_conversion.h"

#include "common/conversions.h"
#include "common/number_format.h"

QString convertedPower(const QString& text, float factor)
{
    return formatFixed(float(strToFloat(text)) * factor, 0);
}
