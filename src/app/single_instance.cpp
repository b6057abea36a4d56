#include "app/single_instance.h"

#include "store/shared_lock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>

namespace {

constexpr int kConnectAttempts = 20;
constexpr int kConnectWaitMs = 100;

// Socket and lock file live in the user's runtime folder, named by a short hash
// of the key: socket paths are limited to about a hundred bytes.
QString instanceName(const QString& key)
{
    const QByteArray hash =
        QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    const QString name = QStringLiteral("tarvo-") + QString::fromLatin1(hash);
#ifdef Q_OS_WIN
    return name; // a named pipe
#else
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return QDir(folder).filePath(name);
#endif
}

} // namespace

SingleInstance::SingleInstance(const QString& key)
    : m_name(instanceName(key)), m_lock(m_name + QStringLiteral(".lock"))
{
    // Held for the whole run, so it never goes stale by age; a lock left by a
    // crashed instance is recognised by its process being gone.
    m_lock.setStaleLockTime(0);
}

bool SingleInstance::claim()
{
    if (m_lock.tryLock(0)) {
        listen();
        return true;
    }
    // Without a usable runtime folder the rule cannot be kept; starting beats refusing.
    if (m_lock.error() != QLockFile::LockFailedError)
        return true;
    askRunningInstanceToShow();
    return false;
}

void SingleInstance::listen()
{
    QLocalServer::removeServer(m_name); // a socket left by a crashed instance
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    m_server.listen(m_name);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            Q_EMIT activationRequested();
        }
    });
}

// The connection itself is the request; the running instance wants nothing else.
void SingleInstance::askRunningInstanceToShow()
{
    QLocalSocket socket;
    // The running instance may have the lock but not yet listen: try a moment.
    for (int attempt = 0; attempt < kConnectAttempts; ++attempt) {
        socket.connectToServer(m_name);
        if (socket.waitForConnected(kConnectWaitMs))
            break;
        QThread::msleep(kConnectWaitMs);
    }
    socket.disconnectFromServer();
}

QString desktopKey()
{
#ifdef Q_OS_WIN
    const QString desktop = qEnvironmentVariable("SESSIONNAME");
#else
    QString desktop = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (desktop.isEmpty())
        desktop = qEnvironmentVariable("DISPLAY");
#endif
    return currentLogonName() + u'|' + desktop;
}

void bringToFront(QWidget& window)
{
    if (window.isMinimized())
        window.showNormal();
    window.raise();
    window.activateWindow();
}
