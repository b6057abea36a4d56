#pragma once
// "Buchen" > "Neu" of the vehicle window: the booking window opens for the
// vehicle shown, and afterwards the vehicle's mileage is raised to the highest
// reading booked and the vehicle saved.

#include "common/app_context.h"

class TFormBuchen;
class TFormKfz;

void openBookingWindow(AppContext& context, TFormBuchen& window, TFormKfz& vehicleWindow);
