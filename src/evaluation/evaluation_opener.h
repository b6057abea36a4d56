#pragma once
// "Auswertung" > "Kosten" of the vehicle window: the evaluation window opens for
// the vehicle shown, with its plate, number and CO2 value as the boxes show them.

#include "common/app_context.h"

class TFormAuswertung;
class TFormKfz;

void openEvaluationWindow(AppContext& context, TFormAuswertung& window,
                          const TFormKfz& vehicleWindow);
