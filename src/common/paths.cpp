#include "common/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString withTrailingSlash(const QString& dir)
{
    return dir.endsWith(u'/') ? dir : dir + u'/';
}

namespace {

// The all-users data folder: %PROGRAMDATA% on Windows, otherwise the last
// directory of XDG_DATA_DIRS (default /usr/share).
QString allUsersDataFolder()
{
#ifdef Q_OS_WIN
    const QString programData =
        qEnvironmentVariable("PROGRAMDATA", QStringLiteral("C:/ProgramData"));
    return QDir::fromNativeSeparators(programData);
#else
    QString dirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dirs.trimmed().isEmpty())
        dirs = QStringLiteral("/usr/local/share:/usr/share");
    QStringList list = dirs.split(u':', Qt::SkipEmptyParts);
    return list.isEmpty() ? QStringLiteral("/usr/share") : list.last();
#endif
}

} // namespace

Paths Paths::standard()
{
    Paths p;
    p.dataDir =
        withTrailingSlash(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    p.progDir = withTrailingSlash(QCoreApplication::applicationDirPath());
    p.legacyDir = withTrailingSlash(allUsersDataFolder()) + QStringLiteral("kfzdata/");
    const QString exe = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    p.tempLeftover = withTrailingSlash(QDir::tempPath()) + exe + QStringLiteral(".dat");
    return p;
}

Paths Paths::below(const QString& root)
{
    const QString r = withTrailingSlash(root);
    return {r + QStringLiteral("data/tarvo/"), r + QStringLiteral("prog/"),
            r + QStringLiteral("legacy/kfzdata/"), r + QStringLiteral("tmp/tarvo.dat")};
}
