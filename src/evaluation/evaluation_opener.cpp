#include "evaluation/evaluation_opener.h"

#include "evaluation/evaluation_window.h"
#include "ui/vehicle_window.h"

void openEvaluationWindow(AppContext& context, TFormAuswertung& window,
                          const TFormKfz& vehicleWindow)
{
    window.FKennzeich = vehicleWindow.fieldText(Kennzeichen);
    window.FNr = vehicleWindow.fieldText(KfzNr);
    window.DatenDir = context.paths.dataDir;
    window.CO2 = vehicleWindow.fieldText(CO2Emission);
    context.prompts.execModal(window);
}
