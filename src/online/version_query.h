#pragma once
// Asks the update server for the current version without blocking the window:
// the exchange runs in the event loop and `finished` reports the answer.

#include <QByteArray>
#include <QObject>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

class VersionQuery : public QObject {
    Q_OBJECT
public:
    explicit VersionQuery(QObject* parent = nullptr);

    // Both 5000 ms unless a test shortens them.
    void setTimeouts(int connectMs, int readMs);
    // Sends the question; `finished` follows exactly once. A query already
    // under way is given up first.
    void start(const QUrl& server, const QString& programFileName);
    bool isRunning() const { return m_running; }

Q_SIGNALS:
    // The reply's text; empty for no answer (time-out, transport or HTTP error,
    // redirect, a reply too long to be a version).
    void finished(const QString& answer);

private:
    void onConnected();
    void onReadyRead();
    void onDisconnected();
    void finish(const QString& answer);

    QTcpSocket m_socket;
    QTimer m_timeout;
    QByteArray m_request;
    QByteArray m_reply;
    int m_connectMs = 5000;
    int m_readMs = 5000;
    bool m_running = false;
};
