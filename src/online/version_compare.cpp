#include "online/version_compare.h"

#include "common/conversions.h"
#include "common/text_file.h"

namespace {

// A version line is short and made of letters, digits, dots and a few
// separators. Letters stay allowed, so "2.1a" ends in the conversion error the
// user is meant to see; anything else (an HTML page, binary data) is no answer.
bool isPlausibleVersionLine(const QString& line)
{
    constexpr qsizetype kMaxVersionLength = 40;
    if (line.size() > kMaxVersionLength)
        return false;
    for (const QChar c : line)
        if (!c.isLetterOrNumber() && c != u'.' && c != u' ' && c != u'-' && c != u'+' && c != u'_')
            return false;
    return true;
}

QString withoutDots(const QString& version)
{
    return QString(version).remove(u'.');
}

} // namespace

UpdateVerdict compareWithServerVersion(const QString& localVersion, const QString& answer)
{
    if (answer.trimmed().isEmpty())
        return UpdateVerdict::NoVerdict;
    const QString serverLine = splitLines(answer).value(0).trimmed();
    if (!isPlausibleVersionLine(serverLine))
        return UpdateVerdict::NoVerdict;

    const QString localDigits = withoutDots(localVersion);
    QString serverDigits = withoutDots(serverLine);
    if (localDigits.trimmed().isEmpty() || serverDigits.trimmed().isEmpty())
        return UpdateVerdict::NoVerdict;
    if (serverDigits.size() < localDigits.size())
        serverDigits = serverDigits.leftJustified(localDigits.size(), u'0');

    const int local = strToInt(localDigits);
    const int server = strToInt(serverDigits);
    return local < server ? UpdateVerdict::Newer : UpdateVerdict::UpToDate;
}
