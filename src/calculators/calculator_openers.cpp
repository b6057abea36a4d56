#include "calculators/calculator_openers.h"

#include "calculators/residual_window.h"
#include "calculators/tax_window.h"
#include "ui/vehicle_window.h"

void openTaxCalculator(AppContext& context, TFormKfz& vehicleWindow, TFormRechner& calculator)
{
    calculator.takeVehicle(vehicleWindow.shownRecord(), context.paths.dataDir);
    context.prompts.execModal(calculator);
    const QString co2 = calculator.co2Result();
    if (!co2.isEmpty())
        vehicleWindow.setFieldText(KfzField::CO2Emission, co2);
}

void openResidualCalculator(AppContext& context, TFormKfz& vehicleWindow, TFormrestwert& calculator)
{
    calculator.takeVehicle(vehicleWindow.shownRecord(), context.paths.dataDir);
    context.prompts.execModal(calculator);
}
