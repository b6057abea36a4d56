#pragma once
// One instance per user and desktop: a second start asks the running instance
// to come to the front and ends before it touches any data file.

#include <QLocalServer>
#include <QLockFile>
#include <QObject>

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // `key` names the user's desktop; desktopKey() in production.
    explicit SingleInstance(const QString& key);

    // True when this is the first instance on the desktop; it then listens for
    // later starts. False when another runs: that one has been asked to come to
    // the front, and this process should end at once.
    bool claim();

Q_SIGNALS:
    // A later start on the same desktop wants the running window in front.
    void activationRequested();

private:
    void listen();
    void askRunningInstanceToShow();

    QString m_name;
    QLockFile m_lock;
    QLocalServer m_server;
};

// The current user and the desktop (display or session) the program runs on.
QString desktopKey();

class QWidget;
// Restores a minimised window and brings it to the front.
void bringToFront(QWidget& window);
