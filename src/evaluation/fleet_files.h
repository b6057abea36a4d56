#pragma once
// The booking files of one year for the fleet evaluation, each paired with the
// CO2 emission of its own vehicle.

#include "evaluation/annual_evaluation.h"

#include <QHash>
#include <QList>
#include <QString>

// The vehicle number in a booking file name of `year`: the text between
// "Buch" + year + "Kfz" and ".csv", matched without regard to case. Nothing when
// the name is no booking file of that year.
std::optional<QString> bookingFileVehicleNumber(const QString& fileName, const QString& year);

// CO2 emission by vehicle number, from the vehicle file; the first vehicle of a
// number wins. A missing or unreadable file gives no values.
QHash<QString, QString> co2ByVehicleNumber(const QString& vehicleFilePath);

// Every booking file of `year` in `dataDir` (directories left out, sorted by name
// so that runs repeat exactly), paired by vehicle number with the CO2 value from
// "Kfz.csv". A file whose vehicle is unknown gets no CO2 value.
QList<PassSource> fleetSources(const QString& dataDir, const QString& year);
