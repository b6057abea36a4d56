#pragma once
// The lock file "tmp.acc" of shared use: while it exists, the instance that
// took it may write the data and every later one works read-only. Its two
// lines (time taken, user name) only tell waiting users who holds the data.

#include <QDateTime>
#include <QString>
#include <QStringList>

inline constexpr char kLockFileName[] = "tmp.acc";

struct LockHolder {
    QString since; // line 0: when the lock was taken
    QString user;  // line 1: who took it; missing when taken by the poll
};

// Reads the holder; false with the system's reason when the file cannot be opened.
// Empty or binary content just gives whatever lines there are.
bool readLockHolder(const QString& path, LockHolder& holder, QString* error);

// The lock's time line: date and time as the program shows them (dd.MM.yyyy hh:mm:ss).
QString lockTimeText(const QDateTime& when);

// The logon name of the user running the program.
QString currentLogonName();

enum class LockOutcome { Taken, HeldByOther, Failed };

// Creates the lock file with these lines only if it does not exist yet, in one
// step, so two instances starting together cannot both take it. `error` holds
// the system's reason when the outcome is Failed.
LockOutcome takeLock(const QString& path, const QStringList& lines, QString* error);

// Deletes the lock file; a failure is of no consequence and not reported.
void releaseLock(const QString& path);
