#pragma once
// Whether a certificate and key the maker named can serve HTTPS, checked
// before the server listens so the maker learns which file is at fault.

#include <optional>
#include <string>
#include <string_view>

namespace orderserver {

struct TlsFile {
  std::string path;
  std::string text;  // PEM, as read
};

// The file `role` ("certificate" or "key") names, read whole; nothing, with
// `error` naming the file and why, when it cannot be.
std::optional<TlsFile> readTlsFile(std::string_view role, const std::string& path, std::string& error);

// Empty when the two serve together; otherwise what is wrong, naming the file.
std::string tlsRefusal(const TlsFile& certificate, const TlsFile& key);

}  // namespace orderserver
