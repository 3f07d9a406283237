#include "server/tlsfiles.h"

#include <gnutls/gnutls.h>
#include <gnutls/x509.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>

namespace orderserver {
namespace {

// Far beyond any certificate chain or key.
constexpr off_t kMaxTlsFileBytes = 1 << 20;

// The open file's bytes; empty, with `why` set, when it is no regular file of
// a sensible size or cannot be read.
std::string readAll(int fd, std::string& why) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    why = std::strerror(errno);
  } else if (!S_ISREG(info.st_mode)) {
    why = "not a regular file";
  } else if (info.st_size > kMaxTlsFileBytes) {
    why = "larger than a certificate or key can be";
  }
  if (!why.empty()) return "";
  std::string text(std::size_t(info.st_size), '\0');
  for (std::size_t done = 0; done < text.size();) {
    const ssize_t n = ::read(fd, text.data() + done, text.size() - done);
    if (n <= 0) {
      why = n < 0 ? std::strerror(errno) : "it was cut short while read";
      return "";
    }
    done += std::size_t(n);
  }
  return text;
}

gnutls_datum_t datumOf(const std::string& text) {
  return {reinterpret_cast<unsigned char*>(const_cast<char*>(text.data())), static_cast<unsigned>(text.size())};
}

// The library's reason the certificate cannot be read; 0 when it can.
int certificateError(const gnutls_datum_t& certificate) {
  gnutls_x509_crt_t parsed = nullptr;
  int result = gnutls_x509_crt_init(&parsed);
  if (result >= 0) result = gnutls_x509_crt_import(parsed, &certificate, GNUTLS_X509_FMT_PEM);
  if (parsed) gnutls_x509_crt_deinit(parsed);
  return result < 0 ? result : 0;
}

std::string utcText(std::time_t when) {
  std::tm utc{};
  gmtime_r(&when, &utc);
  char text[32];
  return {text, std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S UTC", &utc)};
}

// Why a certificate of the chain is not valid at `now`; empty when each is.
std::string datesRefusal(const gnutls_datum_t& chain, std::time_t now) {
  gnutls_x509_crt_t* certificates = nullptr;
  unsigned count = 0;
  if (gnutls_x509_crt_list_import2(&certificates, &count, &chain, GNUTLS_X509_FMT_PEM, 0) < 0) return "";
  std::string refusal;
  for (unsigned i = 0; i < count; ++i) {
    const std::time_t from = gnutls_x509_crt_get_activation_time(certificates[i]);
    const std::time_t until = gnutls_x509_crt_get_expiration_time(certificates[i]);
    const std::string which =
        count > 1 ? "certificate " + std::to_string(i + 1) + " of " + std::to_string(count) + " in the file" : "it";
    if (refusal.empty() && (now < from || now > until))
      refusal = which + (now < from ? " is not valid yet" : " has expired") + " (valid from " + utcText(from) +
                " until " + utcText(until) + ")";
    gnutls_x509_crt_deinit(certificates[i]);
  }
  gnutls_free(certificates);
  return refusal;
}

}  // namespace

std::optional<TlsFile> readTlsFile(std::string_view role, const std::string& path, std::string& error) {
  // Not blocking: a FIFO is refused instead of waited on.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  std::string why = fd < 0 ? std::strerror(errno) : "";
  TlsFile file{path, fd < 0 ? "" : readAll(fd, why)};
  if (fd >= 0) ::close(fd);
  if (why.empty()) return file;
  error = "the " + std::string(role) + " " + path + " cannot be read: " + why;
  return std::nullopt;
}

std::string tlsRefusal(const TlsFile& certificate, const TlsFile& key) {
  gnutls_certificate_credentials_t credentials = nullptr;
  if (gnutls_certificate_allocate_credentials(&credentials) < 0) return "the TLS library cannot start";
  const gnutls_datum_t certificateData = datumOf(certificate.text), keyData = datumOf(key.text);
  // The server's library loads the pair the same way.
  const int loaded = gnutls_certificate_set_x509_key_mem(credentials, &certificateData, &keyData, GNUTLS_X509_FMT_PEM);
  gnutls_certificate_free_credentials(credentials);
  if (loaded >= 0) {
    const std::string dates = datesRefusal(certificateData, std::time(nullptr));
    return dates.empty() ? "" : "the certificate " + certificate.path + " cannot be used: " + dates;
  }
  if (const int unreadable = certificateError(certificateData))
    return "the certificate " + certificate.path + " cannot be used: " + gnutls_strerror(unreadable);
  if (loaded == GNUTLS_E_CERTIFICATE_KEY_MISMATCH)
    return "the key " + key.path + " cannot be used: it does not match the certificate " + certificate.path;
  return "the key " + key.path + " cannot be used: " + gnutls_strerror(loaded);
}

}  // namespace orderserver
