#pragma once
// A small HTTP server on 127.0.0.1 that plays the update server: it keeps the
// bytes of each request and answers with a prepared reply, or never answers.

#include <QByteArray>
#include <QList>
#include <QTcpServer>
#include <QUrl>

class QTcpSocket;

class FakeUpdateServer : public QObject {
    Q_OBJECT
public:
    FakeUpdateServer();

    QUrl url() const;
    // The whole reply, status line and headers included.
    void setReply(const QByteArray& reply) { m_reply = reply; }
    // A "200 OK" reply with this body.
    void setAnswer(const QByteArray& body);
    // Accept connections, read the request and keep silent.
    void setSilent(bool silent) { m_silent = silent; }

    QList<QByteArray> requests;
    int connections = 0;

private:
    void onNewConnection();

    QTcpServer m_server;
    QByteArray m_reply;
    bool m_silent = false;
};
