#pragma once
// A made-up booking year of one vehicle: mostly fuel, the other cost kinds in
// between, dates spread over the year and the odometer rising, as a user who
// books a lot would have it.

#include <QStringList>

QStringList bookingYearLines(int vehicle, int year, int count);
