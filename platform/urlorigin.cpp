#include "platform/urlorigin.h"

namespace platform {

namespace {

constexpr int kHttpPort = 80;
constexpr int kHttpsPort = 443;
constexpr int kNoPort = -1;

}  // namespace

int portOf(const QUrl& url)
{
    const QString scheme = url.scheme();
    const int defaultPort = scheme == QLatin1String("https") ? kHttpsPort
                            : scheme == QLatin1String("http") ? kHttpPort
                                                               : kNoPort;
    return url.port(defaultPort);
}

bool sameOrigin(const QUrl& a, const QUrl& b)
{
    return a.scheme() == b.scheme() && a.host() == b.host() && portOf(a) == portOf(b);
}

}  // namespace platform
