#pragma once
// Taking data out of the data folder: the backup copy of every data file into
// another folder, and the vehicle file exported with a header line.

#include <QString>
#include <QStringList>

struct BackupResult {
    int copied = 0;
    int failed = 0;
};

// Copies every plain file directly in `dataDir` (no subfolders, no hidden
// files) into `targetDir` under the same name, replacing a file of that name
// there. A replaced file is only swapped for the complete copy, never deleted
// first; a target that is the data folder itself, or leads back to it through
// a link, copies nothing and counts every file as failed.
BackupResult copyDataFiles(const QString& dataDir, const QString& targetDir);

// The header line of the vehicle export: the 19 column names joined by ";".
QString vehicleExportHeader();

// The export's lines: the header, then the vehicle file's lines as read.
QStringList vehicleExportLines(const QStringList& vehicleLines);
