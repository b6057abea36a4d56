#include "online/version_query.h"

#include "online/version_request.h"

VersionQuery::VersionQuery(QObject* parent) : QObject(parent)
{
    m_timeout.setSingleShot(true);
    connect(&m_timeout, &QTimer::timeout, this, [this] { finish(QString()); });
    connect(&m_socket, &QTcpSocket::connected, this, &VersionQuery::onConnected);
    connect(&m_socket, &QTcpSocket::readyRead, this, &VersionQuery::onReadyRead);
    connect(&m_socket, &QTcpSocket::disconnected, this, &VersionQuery::onDisconnected);
    connect(&m_socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError e) {
        // The server ends an HTTP/1.0 reply by closing; that is the normal end.
        if (e == QAbstractSocket::RemoteHostClosedError)
            onDisconnected();
        else
            finish(QString());
    });
}

void VersionQuery::setTimeouts(int connectMs, int readMs)
{
    m_connectMs = connectMs;
    m_readMs = readMs;
}

void VersionQuery::start(const QUrl& server, const QString& programFileName)
{
    if (m_running) {
        m_running = false;
        m_socket.abort();
    }
    m_running = true;
    m_reply.clear();
    m_request = versionRequest(server, programFileName);
    m_timeout.start(m_connectMs);
    m_socket.connectToHost(server.host(), quint16(server.port(kHttpPort)));
}

void VersionQuery::onConnected()
{
    if (!m_running)
        return;
    m_timeout.start(m_readMs);
    m_socket.write(m_request);
}

void VersionQuery::onReadyRead()
{
    if (!m_running)
        return;
    m_reply += m_socket.readAll();
    if (m_reply.size() > kMaxVersionReplySize)
        finish(QString());
}

void VersionQuery::onDisconnected()
{
    if (!m_running)
        return;
    m_reply += m_socket.readAll();
    finish(m_reply.size() > kMaxVersionReplySize ? QString() : versionAnswerFromReply(m_reply));
}

void VersionQuery::finish(const QString& answer)
{
    if (!m_running)
        return;
    m_running = false;
    m_timeout.stop();
    m_socket.abort();
    m_reply.clear();
    Q_EMIT finished(answer);
}
