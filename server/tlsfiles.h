#pragma once
// Whether a certificate and key the maker named can serve HTTPS, checked
// before the server listens so the maker learns which file is at fault.

#include <optional>
#include <string>
#include <string_view>

namespace orderserver {

// Card data travels only over TLS 1.2 or 1.3, and only with forward-secret
// key exchanges: GnuTLS's SECURE level without its plain RSA key exchange.
inline constexpr const char* kTlsPriorities = "SECURE:-VERS-ALL:+VERS-TLS1.3:+VERS-TLS1.2:-RSA";

struct TlsFile {
  std::string path;
  std::string text;  // PEM, as read
};

// The file `role` ("certificate" or "key") names, read whole; nothing, with
// `error` naming the file and why, when it cannot be.
std::optional<TlsFile> readTlsFile(std::string_view role, const std::string& path, std::string& error);

// Empty when the two serve together; otherwise what is wrong, naming the file.
// A certificate in the file that has expired or is not yet valid is refused
// with its dates, as browsers refuse it.
std::string tlsRefusal(const TlsFile& certificate, const TlsFile& key);

}  // namespace orderserver
