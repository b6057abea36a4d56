#include "fake_update_server.h"

#include <QTcpSocket>

namespace {

// True when the buffer holds the headers and as many body bytes as declared.
bool isCompleteRequest(const QByteArray& data)
{
    const qsizetype headerEnd = data.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return false;
    qsizetype length = 0;
    for (const QByteArray& line : data.left(headerEnd).split('\n'))
        if (line.toLower().startsWith("content-length:"))
            length = line.mid(15).trimmed().toLongLong();
    return data.size() >= headerEnd + 4 + length;
}

} // namespace

FakeUpdateServer::FakeUpdateServer()
{
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, &FakeUpdateServer::onNewConnection);
}

QUrl FakeUpdateServer::url() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()));
}

void FakeUpdateServer::setAnswer(const QByteArray& body)
{
    m_reply = "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nContent-Length: " +
              QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

void FakeUpdateServer::onNewConnection()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        ++connections;
        requests << QByteArray();
        const qsizetype index = requests.size() - 1;
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, index] {
            requests[index] += socket->readAll();
            if (!m_silent && isCompleteRequest(requests[index])) {
                socket->write(m_reply);
                socket->disconnectFromHost();
            }
        });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}
