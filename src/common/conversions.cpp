#include "common/conversions.h"

#include <QLocale>
#include <QRegularExpression>

QString integerErrorMessage(const QString& text)
{
    return QStringLiteral("''%1'' ist kein gültiger Integer-Wert").arg(text);
}

QString floatErrorMessage(const QString& text)
{
    return QStringLiteral("'%1' ist kein gültiger Gleitkommawert").arg(text);
}

QString dateErrorMessage(const QString& text)
{
    return QStringLiteral("''%1'' ist keine gültige Datums-/Zeitangabe").arg(text);
}

bool tryStrToInt(const QString& text, int& value)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    int i = 0;
    bool negative = false;
    if (t[0] == u'+' || t[0] == u'-') {
        negative = t[0] == u'-';
        i = 1;
    }
    if (i >= t.size())
        return false;
    qint64 result = 0;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c < u'0' || c > u'9')
            return false;
        result = result * 10 + (c.unicode() - u'0');
        if (result > qint64(std::numeric_limits<int>::max()) + 1)
            return false;
    }
    if (negative)
        result = -result;
    if (result > std::numeric_limits<int>::max() || result < std::numeric_limits<int>::min())
        return false;
    value = int(result);
    return true;
}

int strToInt(const QString& text)
{
    int value = 0;
    if (!tryStrToInt(text, value))
        throw ConversionError(integerErrorMessage(text));
    return value;
}

bool tryStrToFloat(const QString& text, double& value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double v = locale.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

double strToFloat(const QString& text)
{
    double value = 0;
    if (!tryStrToFloat(text, value))
        throw ConversionError(floatErrorMessage(text));
    return value;
}

namespace {

int expandTwoDigitYear(int year, int referenceYear)
{
    int full = referenceYear - referenceYear % 100 + year;
    if (full < referenceYear - 50)
        full += 100;
    else if (full > referenceYear + 49)
        full -= 100;
    return full;
}

} // namespace

bool tryStrToDate(const QString& text, QDate& value, int referenceYear)
{
    static const QRegularExpression pattern(QStringLiteral(
        R"(^\s*(\d{1,2})\.(\d{1,2})\.(\d{2}|\d{4})(?:\s+(\d{1,2}):(\d{2})(?::(\d{2}))?)?\s*$)"));
    const auto m = pattern.match(text);
    if (!m.hasMatch())
        return false;
    int year = m.captured(3).toInt();
    if (m.captured(3).size() == 2)
        year = expandTwoDigitYear(year, referenceYear);
    const QDate date(year, m.captured(2).toInt(), m.captured(1).toInt());
    if (!date.isValid())
        return false;
    if (m.hasCaptured(4)) {
        const QTime time(m.captured(4).toInt(), m.captured(5).toInt(),
                         m.hasCaptured(6) ? m.captured(6).toInt() : 0);
        if (!time.isValid())
            return false;
    }
    value = date;
    return true;
}

QDate strToDate(const QString& text, int referenceYear)
{
    QDate value;
    if (!tryStrToDate(text, value, referenceYear))
        throw ConversionError(dateErrorMessage(text));
    return value;
}

QDateTime strToDateTime(const QString& text, int referenceYear)
{
    const QDate date = strToDate(text, referenceYear);
    static const QRegularExpression timePart(
        QStringLiteral(R"((\d{1,2}):(\d{2})(?::(\d{2}))?\s*$)"));
    const auto m = timePart.match(text);
    QTime time(0, 0);
    if (m.hasMatch())
        time = QTime(m.captured(1).toInt(), m.captured(2).toInt(),
                     m.hasCaptured(3) ? m.captured(3).toInt() : 0);
    return QDateTime(date, time);
}

QString kmDigits(const QString& text)
{
    QString digits;
    for (const QChar c : text)
        if ((c >= u'0' && c <= u'9') || c == u',')
            digits += c;
    return digits;
}

int kmValue(const QString& text)
{
    if (text.trimmed().isEmpty())
        return 0;
    return strToInt(kmDigits(text));
}

QString formatDate(const QDate& date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}
