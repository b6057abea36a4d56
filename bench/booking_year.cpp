#include "booking_year.h"

#include "bookings/booking_file.h"
#include "common/conversions.h"
#include "common/number_format.h"

#include <QDate>

QStringList bookingYearLines(int vehicle, int year, int count)
{
    const QStringList& categories = CostCategories();
    const QDate first(year, 1, 1);
    QStringList lines;
    lines.reserve(count);
    int km = 20000 * vehicle;
    for (int i = 0; i < count; ++i) {
        const bool fuel = i % 4 != 3;
        const int previousKm = km;
        km += fuel ? 45 : 0;
        BuchRecord booking;
        booking.KfzNr = QString::number(vehicle);
        booking.Kennzeichen = QStringLiteral("K-BM %1").arg(vehicle);
        booking.Datum = formatDate(first.addDays(qint64(i) * 365 / count));
        booking.Kostenart = fuel ? kFuelCategory : categories[1 + i % (categories.size() - 1)];
        booking.Betrag = format2(fuel ? 4.2 + (i % 50) * 0.37 : 19.9 + i % 300);
        booking.Kommentar = fuel ? QStringLiteral("Tankstelle Süd") : QStringLiteral("Werkstatt");
        booking.BuchNr = QString::number(i + 1);
        booking.Liter = fuel ? format1(2.5 + (i % 40) * 0.21) : QString();
        // Other costs carry the odometer reading at the time, as the booking window stores it.
        booking.Km = QString::number(km);
        booking.AltKm = QString::number(previousKm);
        lines << FormatBooking(booking);
    }
    return lines;
}
