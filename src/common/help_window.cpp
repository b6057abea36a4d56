#include "common/help_window.h"

#include <QFile>
#include <QPointer>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Hilfe"));
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenLinks(true);
    m_browser->setSearchPaths({QStringLiteral(":/help")});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(560, 480);
}

QString HelpWindow::pageFor(int topic)
{
    const QString page = QStringLiteral(":/help/%1.html").arg(topic);
    return QFile::exists(page) ? page : QStringLiteral(":/help/index.html");
}

void HelpWindow::setTopic(int topic)
{
    m_topic = topic;
    m_browser->setSource(QUrl(QStringLiteral("qrc") + pageFor(topic)));
}

void HelpWindow::showTopic(QWidget* parent, int topic)
{
    static QPointer<HelpWindow> window;
    if (!window) {
        window = new HelpWindow(parent ? parent->window() : nullptr);
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->setTopic(topic);
    window->show();
    window->raise();
    window->activateWindow();
}
