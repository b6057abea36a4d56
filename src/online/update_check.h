#pragma once
// The silent check for a newer version at the end of start-up, and the
// "Nach Updates suchen" command. The check does not block the window: the
// question runs in the background and the notice comes when the answer does.

#include "online/version_query.h"

#include <QObject>
#include <QPointer>
#include <QUrl>
#include <functional>

class Prompts;
class QWidget;

// Opens the maker's home page in the browser ("Nach Updates suchen").
void openHomePage(Prompts& prompts);

class UpdateCheck : public QObject {
    Q_OBJECT
public:
    // Messages sit on `window`.
    UpdateCheck(Prompts& prompts, QWidget* window, QObject* parent = nullptr);

    // The server and the connection state come from the build and the system;
    // tests put in their own.
    void setServer(const QUrl& server) { m_server = server; }
    void setConnectionProbe(std::function<bool()> probe) { m_connected = std::move(probe); }
    VersionQuery& query() { return m_query; }

    // Asks the server unless the system reports no connection; returns at once.
    // A newer version is announced with "Eine neue Version Ihres Programms ist
    // verfügbar." (title "Updater"), then the home page opens.
    void start(const QString& localVersion, const QString& programFileName);

Q_SIGNALS:
    // The answer has been dealt with (also when there was none).
    void done();

private:
    void onAnswer(const QString& answer);

    Prompts& m_prompts;
    QPointer<QWidget> m_window;
    VersionQuery m_query;
    QUrl m_server;
    std::function<bool()> m_connected;
    QString m_localVersion;
};
