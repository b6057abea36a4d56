#include "online/update_check.h"

#include "common/guarded.h"
#include "online/connection_state.h"
#include "online/desktop_services.h"
#include "online/version_compare.h"
#include "online/web_addresses.h"

void openHomePage(Prompts& prompts)
{
    OpenWebPage(prompts, homePageAddress());
}

UpdateCheck::UpdateCheck(Prompts& prompts, QWidget* window, QObject* parent)
    : QObject(parent), m_prompts(prompts), m_window(window), m_server(updateServerUrl()),
      m_connected(&systemReportsConnection)
{
    connect(&m_query, &VersionQuery::finished, this, &UpdateCheck::onAnswer);
}

void UpdateCheck::start(const QString& localVersion, const QString& programFileName)
{
    if (!m_connected()) {
        Q_EMIT done();
        return;
    }
    m_localVersion = localVersion;
    m_query.start(m_server, programFileName);
}

void UpdateCheck::onAnswer(const QString& answer)
{
    runGuarded(m_prompts, m_window, [this, &answer] {
        if (compareWithServerVersion(m_localVersion, answer) != UpdateVerdict::Newer)
            return;
        m_prompts.message(m_window, MessageKind::Information, QStringLiteral("Updater"),
                          QStringLiteral("Eine neue Version Ihres Programms ist verfügbar."),
                          MessageButtons::Ok);
        openHomePage(m_prompts);
    });
    Q_EMIT done();
}
