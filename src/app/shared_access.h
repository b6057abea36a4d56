#pragma once
// Shared use of one data folder by instances on several desktops: the first
// instance holds the lock file, later ones open read-only, learn who holds the
// data since when, and poll every ten seconds until the lock is gone.

#include "common/app_context.h"

#include <QObject>
#include <QTimer>

struct LockHolder;
class TFormKfz;

class SharedAccess : public QObject {
    Q_OBJECT
public:
    static constexpr int kPollIntervalMs = 10000;

    SharedAccess(AppContext& context, TFormKfz& window);

    // Start-up: in shared use with a vehicle file, a lock file of another
    // instance switches this one to read-only; otherwise a lock left behind is
    // deleted. False when the lock file cannot be read: the start-up stops.
    bool checkAtStartUp();
    // Start-up: in shared use and not read-only, takes the lock with the time and
    // the user's name. Should another instance have taken it in the meantime,
    // this one goes read-only instead. False when the lock cannot be written.
    bool acquireAtStartUp();
    // Close: an instance that is not read-only deletes the lock file.
    void releaseAtClose();
    // "Dateien freigeben": fresh copies of the data files; a read-only instance
    // becomes editable without taking the lock.
    void releaseFiles();
    // One tick of the poll: takes a lock that has gone and becomes editable.
    void poll();

    bool polling() const { return m_poll.isActive(); }

private:
    QString lockPath() const;
    bool enterReadOnly();
    // Editable again, showing the first vehicle; throws ConversionError from Load.
    void leaveReadOnly();

    AppContext& m_context;
    TFormKfz& m_window;
    QTimer m_poll;
};
