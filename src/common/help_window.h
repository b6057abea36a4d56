#pragma once
// A small window that shows the program's German help pages from the resources.

#include <QDialog>

class QTextBrowser;

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    void setTopic(int topic);
    int topic() const { return m_topic; }

    // Opens the one help window of the program at a topic, raising it if open.
    static void showTopic(QWidget* parent, int topic);
    // The resource page of a topic.
    static QString pageFor(int topic);

private:
    QTextBrowser* m_browser;
    int m_topic = 0;
};
