#include "bookings/booking_years.h"

#include "common/conversions.h"

#include <QDir>

QString BookingYearMask(const QString& kfzNr)
{
    return QStringLiteral("buch*kfz") + kfzNr + QStringLiteral(".csv");
}

QStringList FindBookingYears(const QString& dir, const QString& mask)
{
    // Name filters of QDir match without regard to case unless told otherwise,
    // as the file names of the program are matched on every platform.
    const QStringList names =
        QDir(dir).entryList({mask}, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    QStringList years;
    years.reserve(names.size());
    for (const QString& name : names)
        years << name.mid(4, 4);
    return years;
}

QString ProposedNewYear(const QString& openYear)
{
    return QString::number(qint64(strToInt(openYear)) + 1);
}

bool IsEarlierYear(const QString& year, const QString& than)
{
    return year < than;
}

QString StartDateOfLoadedYear(const QString& chosenYear, const QString& openYear)
{
    return (IsEarlierYear(chosenYear, openYear) ? QStringLiteral("31.12.")
                                                : QStringLiteral("01.01.")) +
           chosenYear;
}
