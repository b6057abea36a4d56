#include "tyres/tyre_openers.h"

#include "tyres/tyre_window.h"
#include "ui/vehicle_window.h"

void openTyreWindow(AppContext& context, TFormReifen& window, const QString& kfzNr,
                    const QString& dataPath, const std::optional<QString>& currentKm)
{
    window.setVehicle(kfzNr.trimmed(), dataPath);
    if (currentKm)
        window.setCurrentKm(*currentKm);
    context.prompts.execModal(window);
}

void openTyresFromVehicleWindow(AppContext& context, TFormKfz& vehicleWindow, TFormReifen& window)
{
    openTyreWindow(context, window, vehicleWindow.fieldText(KfzField::KfzNr), context.paths.dataDir,
                   vehicleWindow.fieldText(KfzField::AktuellerKm));
}

void openTyresFromBookings(AppContext& context, TFormReifen& window, const QString& kfzNr,
                           const QString& dataPath, int kmStand)
{
    openTyreWindow(context, window, kfzNr, dataPath,
                   kmStand != 0 ? std::optional(QString::number(kmStand)) : std::nullopt);
}

void openTyresFromEvaluation(AppContext& context, TFormReifen& window, const QString& kfzNr,
                             int aktKm, const QString& dataPath)
{
    openTyreWindow(context, window, kfzNr, dataPath, QString::number(aktKm));
}
