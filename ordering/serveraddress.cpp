#include "ordering/serveraddress.h"

#include <cstdlib>

namespace ordering {

namespace {

constexpr std::string_view kHttps = "https://";
constexpr std::string_view kHttp = "http://";
constexpr std::string_view kLoopbackHosts[] = {"127.0.0.1", "localhost", "[::1]"};

// The host of an address after its scheme: up to the port, path or end.
std::string_view hostOf(std::string_view rest)
{
    if (rest.starts_with('[')) return rest.substr(0, rest.find(']') + 1);
    return rest.substr(0, rest.find_first_of(":/?#"));
}

bool validHost(std::string_view host)
{
    return !host.empty() && host.find_first_of("@ \t\r\n") == std::string_view::npos;
}

}  // namespace

std::optional<std::string> orderServerAddress(const char* configured)
{
    std::string address = configured && *configured ? configured : kDefaultOrderServer;
    while (address.ends_with('/')) address.pop_back();
    const std::string_view view(address);
    if (view.starts_with(kHttps)) {
        if (!validHost(hostOf(view.substr(kHttps.size())))) return std::nullopt;
        return address;
    }
    if (!view.starts_with(kHttp)) return std::nullopt;
    const std::string_view host = hostOf(view.substr(kHttp.size()));
    for (std::string_view loopback : kLoopbackHosts)
        if (host == loopback) return address;
    return std::nullopt;
}

std::optional<std::string> orderServerAddress() { return orderServerAddress(std::getenv(kOrderServerVariable)); }

}  // namespace ordering
