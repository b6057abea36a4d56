#include "store/shared_lock.h"

#include "common/conversions.h"
#include "common/text_file.h"

#include <QFile>

#ifndef Q_OS_WIN
#include <pwd.h>
#include <unistd.h>
#endif

bool readLockHolder(const QString& path, LockHolder& holder, QString* error)
{
    TextFile file;
    if (!readTextFile(path, file, error))
        return false;
    holder = LockHolder{};
    if (!file.lines.isEmpty())
        holder.since = file.lines[0];
    if (file.lines.size() > 1)
        holder.user = file.lines[1];
    return true;
}

QString lockTimeText(const QDateTime& when)
{
    return formatDate(when.date()) + u' ' + when.time().toString(QStringLiteral("HH:mm:ss"));
}

QString currentLogonName()
{
#ifdef Q_OS_WIN
    return qEnvironmentVariable("USERNAME");
#else
    // The account's name rather than $USER, which any caller can set.
    if (const passwd* account = getpwuid(geteuid()))
        return QString::fromLocal8Bit(account->pw_name);
    return qEnvironmentVariable("USER");
#endif
}

LockOutcome takeLock(const QString& path, const QStringList& lines, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        if (file.exists())
            return LockOutcome::HeldByOther;
        if (error)
            *error = file.errorString();
        return LockOutcome::Failed;
    }
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += encodeText(line) + "\r\n";
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        // A lock without its lines would still hold everyone else off; take it back.
        if (error)
            *error = file.errorString();
        file.remove();
        return LockOutcome::Failed;
    }
    return LockOutcome::Taken;
}

void releaseLock(const QString& path)
{
    QFile::remove(path);
}
