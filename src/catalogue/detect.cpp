#include "catalogue/detect.h"

#include <QNetworkInformation>
#include <QNetworkInterface>
#include <algorithm>
#include <optional>

namespace {

using Reachability = QNetworkInformation::Reachability;

std::optional<Reachability> reportedReachability()
{
    if (!QNetworkInformation::instance() && !QNetworkInformation::loadDefaultBackend()
        && !QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability))
        return std::nullopt;
    const QNetworkInformation* information = QNetworkInformation::instance();
    if (!information->supports(QNetworkInformation::Feature::Reachability)
        || information->reachability() == Reachability::Unknown)
        return std::nullopt;
    return information->reachability();
}

bool hasActiveInterface()
{
    const QNetworkInterface::InterfaceFlags active = QNetworkInterface::IsUp | QNetworkInterface::IsRunning;
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    return std::any_of(interfaces.cbegin(), interfaces.cend(), [active](const QNetworkInterface& candidate) {
        return (candidate.flags() & active) == active && !candidate.flags().testFlag(QNetworkInterface::IsLoopBack);
    });
}

} // namespace

bool IsConnected()
{
    if (const std::optional<Reachability> reachability = reportedReachability())
        return *reachability == Reachability::Online;
    return hasActiveInterface();
}
