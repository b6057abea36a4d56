#include "online/connection_state.h"

#include <QNetworkInformation>

bool systemReportsConnection()
{
    if (!QNetworkInformation::instance())
        QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability);
    const QNetworkInformation* info = QNetworkInformation::instance();
    if (!info)
        return true;
    switch (info->reachability()) {
    case QNetworkInformation::Reachability::Online:
    case QNetworkInformation::Reachability::Unknown:
        return true;
    case QNetworkInformation::Reachability::Disconnected:
    case QNetworkInformation::Reachability::Local:
    case QNetworkInformation::Reachability::Site:
        break;
    }
    return false;
}
