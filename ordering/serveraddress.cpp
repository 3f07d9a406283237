#include "ordering/serveraddress.h"

#include "ordering/postingpage.h"
#include "platform/urlorigin.h"

#include <QUrl>

#include <cstdlib>

namespace ordering {

namespace {

// The hosts as QUrl gives them: lower case, IPv6 without brackets.
constexpr const char* kLoopbackHosts[] = {"127.0.0.1", "localhost", "::1"};

// `url` with its port always named and its path in lower case.
QUrl comparable(QUrl url)
{
    url.setPort(platform::portOf(url));
    url.setPath(url.path().toLower());
    return url;
}

bool isLoopback(const QString& host)
{
    for (const char* loopback : kLoopbackHosts)
        if (host == QLatin1String(loopback)) return true;
    return false;
}

}  // namespace

std::optional<std::string> orderServerAddress(const char* configured)
{
    const QUrl url(QString::fromUtf8(configured && *configured ? configured : kDefaultOrderServer), QUrl::StrictMode);
    // A user name or password would only hide the real host from a reader.
    if (!url.isValid() || url.host().isEmpty() || !url.userInfo().isEmpty() || url.hasQuery() || url.hasFragment())
        return std::nullopt;
    const QString scheme = url.scheme();
    if (scheme != QLatin1String("https") && !(scheme == QLatin1String("http") && isLoopback(url.host())))
        return std::nullopt;
    QString address = url.toString();
    while (address.endsWith('/')) address.chop(1);
    return address.toStdString();
}

bool isOrderScript(const std::string& url, const std::string& server)
{
    const QUrl page(QString::fromStdString(url));
    const QUrl script(QString::fromStdString(server + std::string(kOrderScriptPath)));
    return page.isValid() && comparable(page) == comparable(script);
}

std::optional<std::string> orderServerAddress() { return orderServerAddress(std::getenv(kOrderServerVariable)); }

}  // namespace ordering
