#include "app/run_settings.h"

#include "online/desktop_services.h"

#include <QDir>

QString RunSettings::path() const
{
    return m_context.paths.dataDir + QLatin1String(kSettingsFileName);
}

bool RunSettings::readAtStartUp()
{
    m_settings = readSettings(path());
    return m_settings.multiUser;
}

void RunSettings::writeAtClose(bool multiUser, QWidget* parent)
{
    m_settings.multiUser = multiUser;
    writeSettings(path(), m_context.paths.dataDir, m_settings, [this, parent] {
        StartHelper(m_context.prompts, parent, m_context.paths.progDir,
                    QDir::toNativeSeparators(path()), QStringLiteral("del"));
    });
}
