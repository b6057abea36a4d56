#pragma once
// The vehicle data sheet "Kfzdaten": the 17 rows of the vehicle shown in the
// vehicle window, each a label and the text of the window's field.

#include "printing/record_sheet.h"
#include "store/vehicle_record.h"

RecordSheet vehicleDataSheet(const KfzRecord& shown);
