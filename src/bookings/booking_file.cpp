#include "bookings/booking_file.h"

#include "common/conversions.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

QString cleanField(const QString& field)
{
    QString text = field;
    text.replace(u';', u',');
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text.trimmed();
}

QString bookingNumberText(const QString& line)
{
    return ParseBooking(line).BuchNr;
}

} // namespace

BuchRecord ParseBooking(const QString& line)
{
    const QStringList parts = line.split(u';');
    const auto field = [&parts](int i) { return i < parts.size() ? parts[i] : QString(); };
    return BuchRecord{field(0), field(1), field(2), field(3), field(4),
                      field(5), field(6), field(7), field(8), field(9)};
}

QString FormatBooking(const BuchRecord& r)
{
    const QStringList fields{r.KfzNr,     r.Kennzeichen, r.Datum, r.Kostenart, r.Betrag,
                             r.Kommentar, r.BuchNr,      r.Liter, r.Km,        r.AltKm};
    QStringList cleaned;
    cleaned.reserve(fields.size());
    for (const QString& f : fields)
        cleaned << cleanField(f);
    return cleaned.join(u';');
}

bool IsBlankLine(const QString& line)
{
    return line.trimmed().isEmpty();
}

QString BookingFilePath(const QString& dataDir, const QString& year, const QString& kfzNr)
{
    return dataDir + QStringLiteral("Buch") + year + QStringLiteral("Kfz") + kfzNr +
           QStringLiteral(".csv");
}

QString ExistingBookingFile(const QString& dataDir, const QString& year, const QString& kfzNr)
{
    const QString path = BookingFilePath(dataDir, year, kfzNr);
    if (QFileInfo::exists(path))
        return path;
    const QString name = QFileInfo(path).fileName();
    const QStringList candidates =
        QDir(dataDir).entryList({QStringLiteral("buch*.csv")}, QDir::Files | QDir::Hidden);
    for (const QString& candidate : candidates)
        if (candidate.compare(name, Qt::CaseInsensitive) == 0)
            return dataDir + candidate;
    return path;
}

const QStringList& CostCategories()
{
    static const QStringList categories{
        QStringLiteral("Kraftstoff"),     QStringLiteral("Betriebsstoffe"),
        QStringLiteral("Pflege/Waschen"), QStringLiteral("Wartung"),
        QStringLiteral("Reparatur"),      QStringLiteral("Versicherung"),
        QStringLiteral("Steuer"),         QStringLiteral("Leasing"),
        QStringLiteral("Finanzierung"),   QStringLiteral("Reifen"),
        QStringLiteral("Zubehör"),        QStringLiteral("Sonstiges")};
    return categories;
}

bool KeepsLitres(const QString& category)
{
    return category == kFuelCategory || category == QStringLiteral("Betriebsstoffe");
}

bool RemembersLastAmount(const QString& category)
{
    static const QStringList recurring{QStringLiteral("Versicherung"), QStringLiteral("Steuer"),
                                       QStringLiteral("Leasing"), QStringLiteral("Finanzierung")};
    return recurring.contains(category);
}

QString StoredCategory(const QString& text)
{
    return CostCategories().contains(text) ? text : kOtherCategory;
}

bool ReadBookingLines(const QString& path, TextFile& file, QString* error)
{
    if (!QFileInfo::exists(path)) {
        file = TextFile{};
        return true;
    }
    return readTextFile(path, file, error);
}

bool WriteBookingLines(const QString& path, const TextFile& file, QString* error)
{
    return writeTextFile(path, file, error);
}

int FindBookingLine(const QStringList& lines, int buchNr)
{
    int found = -1;
    for (int i = 0; i < lines.size(); ++i) {
        if (IsBlankLine(lines[i]))
            continue;
        if (strToInt(bookingNumberText(lines[i])) == buchNr)
            found = i;
    }
    return found;
}

int HighestBuchNr(const QStringList& lines)
{
    int highest = 0;
    for (const QString& line : lines)
        if (!IsBlankLine(line))
            highest = std::max(highest, strToInt(bookingNumberText(line)));
    return highest;
}

QString LastAmountPath(const QString& dataDir, const QString& category, const QString& kfzNr)
{
    return dataDir + category + QStringLiteral("Kfz") + kfzNr + QStringLiteral(".dat");
}

std::optional<QString> LoadLastAmount(const QString& dataDir, const QString& category,
                                      const QString& kfzNr)
{
    TextFile file;
    const QString path = LastAmountPath(dataDir, category, kfzNr);
    if (!QFileInfo::exists(path) || !readTextFile(path, file))
        return std::nullopt;
    return file.lines.value(0);
}

bool SaveLastAmount(const QString& dataDir, const QString& category, const QString& kfzNr,
                    const QString& amount, QString* error)
{
    return writeTextLines(LastAmountPath(dataDir, category, kfzNr), {amount},
                          TextEncoding::Windows1252, error);
}
