#include "server/tlsfiles.h"

#include <gnutls/gnutls.h>
#include <gnutls/x509.h>

namespace orderserver {
namespace {

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

}  // namespace

std::string tlsRefusal(const TlsFile& certificate, const TlsFile& key) {
  gnutls_certificate_credentials_t credentials = nullptr;
  if (gnutls_certificate_allocate_credentials(&credentials) < 0) return "the TLS library cannot start";
  const gnutls_datum_t certificateData = datumOf(certificate.text), keyData = datumOf(key.text);
  // The server's library loads the pair the same way.
  const int loaded = gnutls_certificate_set_x509_key_mem(credentials, &certificateData, &keyData, GNUTLS_X509_FMT_PEM);
  gnutls_certificate_free_credentials(credentials);
  if (loaded >= 0) return "";
  if (const int unreadable = certificateError(certificateData))
    return "the certificate " + certificate.path + " cannot be used: " + gnutls_strerror(unreadable);
  if (loaded == GNUTLS_E_CERTIFICATE_KEY_MISMATCH)
    return "the key " + key.path + " cannot be used: it does not match the certificate " + certificate.path;
  return "the key " + key.path + " cannot be used: " + gnutls_strerror(loaded);
}

}  // namespace orderserver
