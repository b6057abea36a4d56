#include "online/program_version.h"

#include <QStringList>
#include <algorithm>

namespace {

constexpr int kVersionParts = 4;
constexpr uint kLargestPart = 0xFFFF; // a file version keeps 16 bits per part

bool isDigitsOnly(const QString& text)
{
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

QString versionTextFrom(const QString& stamp)
{
    const QStringList parts = stamp.split(u'.');
    if (parts.size() > kVersionParts)
        return QString::fromLatin1(kNoVersionText);
    QStringList numbers;
    for (const QString& part : parts) {
        bool ok = false;
        const uint value = part.toUInt(&ok);
        if (!isDigitsOnly(part) || !ok || value > kLargestPart)
            return QString::fromLatin1(kNoVersionText);
        numbers << QString::number(value);
    }
    while (numbers.size() < kVersionParts)
        numbers << QStringLiteral("0");
    return numbers.join(u'.');
}

QString GetFileVersion()
{
#ifdef TARVO_VERSION
    return versionTextFrom(QStringLiteral(TARVO_VERSION));
#else
    return QString::fromLatin1(kNoVersionText);
#endif
}
