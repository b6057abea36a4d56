#include "app/data_dir_migration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool copyDirectoryRecursively(const QString& source, const QString& target)
{
    QDir from(source);
    if (!QDir().mkpath(target))
        return false;
    bool ok = true;
    const auto entries =
        from.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        const QString to = QDir(target).filePath(entry.fileName());
        if (entry.isDir() && !entry.isSymLink())
            ok = copyDirectoryRecursively(entry.filePath(), to) && ok;
        else
            ok = QFile::copy(entry.filePath(), to) && ok;
    }
    return ok;
}

DataDirSetup prepareDataDir(const QString& dataDir, const QString& legacyDir, QString* error)
{
    if (QFileInfo::exists(legacyDir) && !QFileInfo::exists(dataDir))
        return copyDirectoryRecursively(legacyDir, dataDir) ? DataDirSetup::Ready
                                                            : DataDirSetup::CopyFailed;
    if (QFileInfo::exists(dataDir))
        return DataDirSetup::Ready;
    if (QDir().mkpath(dataDir))
        return DataDirSetup::Ready;
    if (error) {
        // mkpath gives no reason; the nearest existing parent tells the user where it failed.
        QString parent = QFileInfo(QDir::cleanPath(dataDir)).absolutePath();
        while (!QFileInfo::exists(parent) && parent != QFileInfo(parent).absolutePath())
            parent = QFileInfo(parent).absolutePath();
        *error = QStringLiteral("Das Verzeichnis \"%1\" kann nicht angelegt werden. "
                                "Zugriff auf \"%2\" verweigert.")
                     .arg(QDir::toNativeSeparators(dataDir), QDir::toNativeSeparators(parent));
    }
    return DataDirSetup::CreateFailed;
}
