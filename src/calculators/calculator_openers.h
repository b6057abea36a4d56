#pragma once
// Opening the two calculators from the vehicle window: hand over the vehicle
// shown, show the calculator modally, and take back what it returns.

#include "common/app_context.h"

class TFormKfz;
class TFormRechner;
class TFormrestwert;

// A CO2 emission calculated in the tax calculator goes into the vehicle
// window's field; it is stored when the user saves the vehicle.
void openTaxCalculator(AppContext& context, TFormKfz& vehicleWindow, TFormRechner& calculator);
void openResidualCalculator(AppContext& context, TFormKfz& vehicleWindow,
                            TFormrestwert& calculator);
