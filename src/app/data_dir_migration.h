#pragma once
// The data folder is set up once: an older all-users data folder is copied into
// place when the per-user one does not exist yet; otherwise the per-user one is
// created. The older folder is never changed.

#include <QString>

enum class DataDirSetup { Ready, CopyFailed, CreateFailed };

DataDirSetup prepareDataDir(const QString& dataDir, const QString& legacyDir, QString* error);

// Copies a folder with all its content; false when any part could not be copied.
bool copyDirectoryRecursively(const QString& source, const QString& target);
