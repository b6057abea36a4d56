#include "printing/booking_list_print.h"

#include "bookings/booking_list_window.h"
#include "printing/print_job.h"

bool printBookingList(AppContext& context, TFormBuchListe& list)
{
    return PrintListview(context, &list,
                         makeListTable(list.captions(), list.columnWidths(), list.rows()),
                         ListKind::Bookings);
}
