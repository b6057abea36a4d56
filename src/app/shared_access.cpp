#include "app/shared_access.h"

#include "common/guarded.h"
#include "store/file_refresh.h"
#include "store/shared_lock.h"
#include "ui/vehicle_window.h"

#include <QFile>

namespace {

QString lockHeldMessage(const LockHolder& holder)
{
    return QStringLiteral("Kfzdaten in Bearbeitung durch User:  ") + holder.user +
           QStringLiteral("\r\nSeit dem:  ") + holder.since +
           QStringLiteral("\r\nSie erhalten eine Meldung, sobald die Datei wieder frei ist");
}

const QString kAccessDenied =
    QStringLiteral("Fehler! Zugriff verweigert! Führen  Sie das Programm als Administrator aus.");

} // namespace

SharedAccess::SharedAccess(AppContext& context, TFormKfz& window)
    : m_context(context), m_window(window)
{
    m_poll.setInterval(kPollIntervalMs);
    connect(&m_poll, &QTimer::timeout, this, &SharedAccess::poll);
}

QString SharedAccess::lockPath() const
{
    return m_context.paths.dataDir + QLatin1String(kLockFileName);
}

bool SharedAccess::checkAtStartUp()
{
    const bool lockApplies =
        m_window.multiUser() && QFile::exists(lockPath()) && m_window.vehicles().exists();
    if (!lockApplies) {
        releaseLock(lockPath());
        return true;
    }
    return enterReadOnly();
}

bool SharedAccess::acquireAtStartUp()
{
    if (!m_window.multiUser() || m_window.readOnlyMode())
        return true;
    const QStringList lines{lockTimeText(m_context.clock.now()), currentLogonName()};
    QString error;
    switch (takeLock(lockPath(), lines, &error)) {
    case LockOutcome::Taken:
        return true;
    case LockOutcome::HeldByOther:
        // Another instance started at the same moment and was quicker.
        return enterReadOnly();
    case LockOutcome::Failed:
        break;
    }
    m_context.prompts.error(&m_window, error);
    return false;
}

bool SharedAccess::enterReadOnly()
{
    LockHolder holder;
    QString error;
    if (!readLockHolder(lockPath(), holder, &error)) {
        m_context.prompts.error(&m_window, error);
        return false;
    }
    m_context.prompts.warning(&m_window, lockHeldMessage(holder));
    m_window.setReadOnlyMode(true);
    m_poll.start();
    return true;
}

void SharedAccess::poll()
{
    if (QFile::exists(lockPath()))
        return;
    QString error;
    switch (takeLock(lockPath(), {lockTimeText(m_context.clock.now())}, &error)) {
    case LockOutcome::Taken:
        break;
    case LockOutcome::HeldByOther:
        return; // another waiting instance was quicker; keep waiting
    case LockOutcome::Failed:
        m_context.prompts.error(&m_window, error); // the next tick tries again
        return;
    }
    m_context.prompts.information(&m_window,
                                  QStringLiteral("Daten können wieder bearbeitet werden!"));
    runGuarded(m_context.prompts, &m_window, [this] { leaveReadOnly(); });
}

void SharedAccess::leaveReadOnly()
{
    m_window.setReadOnlyMode(false);
    m_poll.stop();
    m_window.vehicles().setCurrentIndex(0);
    m_window.loadVehicles(); // shows the first vehicle as it now stands in the file
}

void SharedAccess::releaseAtClose()
{
    if (!m_window.readOnlyMode())
        releaseLock(lockPath());
}

void SharedAccess::releaseFiles()
{
    if (!refreshDataFiles(m_context.paths.dataDir)) {
        m_context.prompts.error(&m_window, kAccessDenied);
        return;
    }
    if (!m_window.readOnlyMode())
        return;
    try {
        leaveReadOnly();
    } catch (const ConversionError&) {
        m_context.prompts.error(&m_window, kAccessDenied);
        return;
    }
    m_context.prompts.information(&m_window, QStringLiteral("Daten freigegeben."));
}
