#pragma once
// Booking years: which years a vehicle has booking files for, and the
// proposals the year menu makes.

#include <QString>
#include <QStringList>

// The search pattern of a vehicle's booking files: "buch*kfz" + number + ".csv".
QString BookingYearMask(const QString& kfzNr);

// Characters 5 to 8 of every file in `dir` whose name matches `mask` without
// regard to case (Buch2023Kfz3.csv gives 2023). Directories are skipped; the
// files come in the order of their names, ignoring case.
QStringList FindBookingYears(const QString& dir, const QString& mask);

// The year "Anlegen" proposes: the open year plus one. Throws ConversionError
// when the open year is not an integer.
QString ProposedNewYear(const QString& openYear);

// Years are compared as text, which is the numeric order for four-digit years.
bool IsEarlierYear(const QString& year, const QString& than);

// The date a loaded year starts with: its last day when it lies before the
// open year, otherwise its first day.
QString StartDateOfLoadedYear(const QString& chosenYear, const QString& openYear);
