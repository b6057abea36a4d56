#include "bookings/booking_opener.h"

#include "bookings/booking_window.h"
#include "common/conversions.h"
#include "common/guarded.h"
#include "ui/vehicle_window.h"

void openBookingWindow(AppContext& context, TFormBuchen& window, TFormKfz& vehicleWindow)
{
    const int kmStand = window.bookFor(
        vehicleWindow.fieldText(KfzField::KfzNr), vehicleWindow.fieldText(KfzField::Kennzeichen),
        vehicleWindow.fieldText(KfzField::AktuellerKm), context.paths.dataDir);
    // Bookings of every category count: the vehicle's mileage never stays below them.
    runGuarded(context.prompts, &vehicleWindow, [&] {
        if (kmValue(vehicleWindow.fieldText(KfzField::AktuellerKm)) < kmStand) {
            vehicleWindow.setFieldText(KfzField::AktuellerKm, QString::number(kmStand));
            vehicleWindow.saveVehicle();
        }
    });
}
