#include "online/web_addresses.h"

// The values come from the build (see src/online/CMakeLists.txt).

QString homePageHost()
{
    return QStringLiteral(TARVO_HOME_HOST);
}

QString homePageAddress()
{
    return QStringLiteral("https://") + homePageHost();
}

QUrl updateServerUrl()
{
    return QUrl(QStringLiteral(TARVO_UPDATE_SERVER));
}

QString partnerPageAddress()
{
    return QStringLiteral(TARVO_PARTNER_PAGE);
}
