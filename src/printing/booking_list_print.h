#pragma once
// "Liste drucken" of the booking list: the rows as shown, titled "Buchungsliste".

#include "common/app_context.h"

class TFormBuchListe;

bool printBookingList(AppContext& context, TFormBuchListe& list);
