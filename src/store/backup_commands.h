#pragma once
// The vehicle window's commands "Datensicherung" and "Kfzdatei exportieren":
// the dialogs and messages around the backup and the export.

struct AppContext;
class QWidget;

// Asks for a target folder, copies every data file there and reports the result.
void runBackup(AppContext& context, QWidget* parent);

// Writes the vehicle file as it is on disk, with a header line, to a file the
// user names (proposed "Kfz_export.csv").
void runVehicleExport(AppContext& context, QWidget* parent);
