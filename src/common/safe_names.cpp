#include "common/safe_names.h"

bool isSafeFileNamePart(const QString& text)
{
    if (text.contains(QLatin1String("..")))
        return false;
    for (const QChar c : text)
        if (c == u'/' || c == u'\\' || c == u':' || c.unicode() < 32)
            return false;
    return true;
}

bool isPlainPositiveInteger(const QString& text)
{
    if (text.isEmpty() || text.size() > 9)
        return false;
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return text.toInt() > 0;
}

bool isFourDigitYear(const QString& text)
{
    if (text.size() != 4)
        return false;
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}
