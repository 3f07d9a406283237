#pragma once
// Whether a certificate and key the maker named can serve HTTPS, checked
// before the server listens so the maker learns which file is at fault.

#include <string>

namespace orderserver {

struct TlsFile {
  std::string path;
  std::string text;  // PEM, as read
};

// Empty when the two serve together; otherwise what is wrong, naming the file.
std::string tlsRefusal(const TlsFile& certificate, const TlsFile& key);

}  // namespace orderserver
