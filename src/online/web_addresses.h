#pragma once
// The program's addresses on the web. They are build settings (CMake cache
// variables TARVO_HOME_HOST, TARVO_UPDATE_SERVER, TARVO_PARTNER_PAGE); the
// defaults lie under the reserved top-level domain ".example", so a default
// build never sends anything to a host that somebody else owns.

#include <QString>
#include <QUrl>

// The maker's host as shown on the start screen and in the About box, without scheme.
QString homePageHost();
// The maker's home page: the https form of homePageHost().
QString homePageAddress();
// The server asked for the current version (scheme http, host, optional port).
QUrl updateServerUrl();
// The partner's page behind the banner, with its tracking parameters.
QString partnerPageAddress();
