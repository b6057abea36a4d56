#include "store/file_refresh.h"

#include "store/settings_file.h"

#include <QDir>
#include <QFile>

namespace {

// Copy to "neu" + name, delete the original, rename the copy into its place.
bool refreshFile(const QString& dataDir, const QString& name)
{
    const QString original = dataDir + name;
    const QString copy = dataDir + QStringLiteral("neu") + name;
    if (QFile::exists(copy) && !QFile::remove(copy))
        return false;
    if (!QFile::copy(original, copy)) {
        QFile::remove(copy); // a partial copy; the original stays untouched
        return false;
    }
    if (!QFile::remove(original)) {
        QFile::remove(copy);
        return false;
    }
    // Should the rename fail, the data are still whole in the copy.
    return QFile::rename(copy, original);
}

} // namespace

bool refreshDataFiles(const QString& dataDir, QString* failedFile)
{
    const QDir dir(dataDir);
    if (!dir.exists())
        return true;
    QStringList names;
    if (QFile::exists(dataDir + QLatin1String(kSettingsFileName)))
        names << QString::fromLatin1(kSettingsFileName);
    names << dir.entryList({QStringLiteral("*.csv")}, QDir::Files | QDir::Hidden,
                           QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names) {
        if (!refreshFile(dataDir, name)) {
            if (failedFile)
                *failedFile = name;
            return false;
        }
    }
    return true;
}
