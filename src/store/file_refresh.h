#pragma once
// "Dateien freigeben": every data file is replaced by a fresh copy made under
// the current user's account, so files another account created become
// writable again. The lock file is left alone.

#include <QString>

// Refreshes "kfzkosten.ini" and then every "*.csv" file of the data folder
// (matched without regard to case, in name order). Stops at the first failure
// with the file's name in `failedFile`; files already refreshed stay so. A file
// whose copy could not be made is never deleted. A missing folder does nothing.
bool refreshDataFiles(const QString& dataDir, QString* failedFile = nullptr);
