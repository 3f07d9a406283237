#pragma once
// Where the maker's order server is: one address for every fetch, the
// posting page's form action and the verify window's watch. HTTPS by
// default; QUILLOCK_ORDER_SERVER points the program at another server, and
// plain HTTP is accepted only for the loopback host.

#include <optional>
#include <string>
#include <string_view>

namespace ordering {

inline constexpr const char* kDefaultOrderServer = "https://orders.brackenfold.example";
inline constexpr const char* kOrderServerVariable = "QUILLOCK_ORDER_SERVER";
inline constexpr const char* kSupportEmail = "orders@brackenfold.example";

// The server address from `configured` (the variable's value, or nullptr for
// the default), as QUrl writes it (scheme and host in lower case) without a
// trailing "/"; nothing when it is neither an https address nor an http
// address of the loopback host, or when it carries a user name, a query or
// a fragment.
std::optional<std::string> orderServerAddress(const char* configured);

// The address from the environment, as above.
std::optional<std::string> orderServerAddress();

// Whether `url` is the order script of the server at `server`, compared as
// addresses: a port left out is its scheme's default, since browsers drop a
// default port that the address names; the path in any case.
bool isOrderScript(const std::string& url, const std::string& server);

}  // namespace ordering
