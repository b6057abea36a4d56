#pragma once
// Opening the tyre window from the vehicle, booking and evaluation windows,
// each with the vehicle number, data folder and current km it knows.

#include "common/app_context.h"

#include <optional>

class TFormKfz;
class TFormReifen;

// Shows the tyre window modally; without a current km the boxes keep what they held.
void openTyreWindow(AppContext& context, TFormReifen& window, const QString& kfzNr,
                    const QString& dataPath, const std::optional<QString>& currentKm);

// "Auswertung" > "Reifen": the vehicle's number and its odometer box as they stand.
void openTyresFromVehicleWindow(AppContext& context, TFormKfz& vehicleWindow, TFormReifen& window);
// The booking window knows the reading it ended with; 0 means none.
void openTyresFromBookings(AppContext& context, TFormReifen& window, const QString& kfzNr,
                           const QString& dataPath, int kmStand);
// The evaluation window hands the highest reading of the year shown.
void openTyresFromEvaluation(AppContext& context, TFormReifen& window, const QString& kfzNr,
                             int aktKm, const QString& dataPath);
