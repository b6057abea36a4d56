#include "store/backup.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <filesystem>
#include <system_error>

namespace {

std::filesystem::path fsPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// True when both names lead to the same file or folder, through links, bind
// mounts or different spellings alike. False when either does not exist.
bool sameFileSystemObject(const QString& a, const QString& b)
{
    std::error_code error;
    return std::filesystem::equivalent(fsPath(a), fsPath(b), error) && !error;
}

// Writes the copy beside the target and renames it over the target only when
// it is complete, so a failed copy leaves the older backup as it was.
bool copyReplacing(const QString& source, const QString& target)
{
    if (sameFileSystemObject(source, target))
        return false;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(target);
    out.setDirectWriteFallback(false);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    constexpr qint64 kChunk = 64 * 1024;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(kChunk);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError)
            return false;
        if (out.write(chunk) != chunk.size())
            return false;
    }
    if (!out.commit())
        return false;
    // Like a copy made by the system, the backup keeps the file's time stamp.
    QFile copy(target);
    if (copy.open(QIODevice::ReadWrite))
        copy.setFileTime(in.fileTime(QFileDevice::FileModificationTime),
                         QFileDevice::FileModificationTime);
    return true;
}

} // namespace

BackupResult copyDataFiles(const QString& dataDir, const QString& targetDir)
{
    BackupResult result;
    const QFileInfoList files = QDir(dataDir).entryInfoList(QDir::Files, QDir::Name);
    const bool intoDataDir = sameFileSystemObject(dataDir, targetDir);
    for (const QFileInfo& file : files) {
        const bool ok = !intoDataDir &&
                        copyReplacing(file.filePath(), QDir(targetDir).filePath(file.fileName()));
        ++(ok ? result.copied : result.failed);
    }
    return result;
}

QString vehicleExportHeader()
{
    static const QStringList columns = {
        QStringLiteral("Amtl. Kennzeichen"),
        QStringLiteral("Erstzulassung Monat"),
        QStringLiteral("Schlüsselnummer 2.1"),
        QStringLiteral("Hersteller"),
        QStringLiteral("Abgasnorm"),
        QStringLiteral("Nächste HU"),
        QStringLiteral("Plakette"),
        QStringLiteral("Kmstand_alt"),
        QStringLiteral("Kmstand"),
        QStringLiteral("Fahrzeugnr."),
        QStringLiteral("Schlüsselnummer2"),
        QStringLiteral("Kmstand_start"),
        QStringLiteral("Typ"),
        QStringLiteral("Baujahr"),
        QStringLiteral("CO2/g Km"),
        QStringLiteral("KW"),
        QStringLiteral("PS"),
        QStringLiteral("Kraftstoffart"),
        QStringLiteral("Hubraum ccm"),
    };
    return columns.join(u';');
}

QStringList vehicleExportLines(const QStringList& vehicleLines)
{
    return QStringList{vehicleExportHeader()} + vehicleLines;
}
