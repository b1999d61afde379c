#include "update/UpdateSources.h"

#include <QtGlobal>

namespace {

// The maker's bootstrap server. The name sits in a reserved domain that never resolves,
// so an unconfigured build cannot fetch and start an engine from someone else's server;
// a site sets its own server through the environment.
const QString DefaultBootstrapHost = QStringLiteral("update.thermbook.example");

} // namespace

UpdateSources UpdateSources::FromEnvironment() {
    UpdateSources sources;
    sources.bootstrapHost = qEnvironmentVariable("THERMBOOK_UPDATE_BOOTSTRAP").trimmed();
    if (sources.bootstrapHost.isEmpty())
        sources.bootstrapHost = DefaultBootstrapHost;
    sources.baseUrlOverride = qEnvironmentVariable("THERMBOOK_UPDATE_BASE_URL").trimmed();
    return sources;
}
