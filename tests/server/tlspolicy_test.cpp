// What HTTPS the program serves: TLS 1.2 and 1.3 with forward secrecy only, and never a certificate out of its dates.
#include "serverprocess.h"

#include <gnutls/gnutls.h>
#include <gnutls/x509.h>

#include <arpa/inet.h>
#include <netinet/in.h>

namespace servertest {
namespace {

constexpr unsigned kRsaBits = 2048;
constexpr std::time_t kDay = 24 * 60 * 60;
constexpr std::time_t k2020 = 1577836800, k2021 = 1609459200, k2090 = 3786912000, k2091 = 3818448000;
constexpr int kHandshakeMilliseconds = 5000;

std::string textOf(gnutls_datum_t& datum) {
  std::string text(reinterpret_cast<const char*>(datum.data), datum.size);
  gnutls_free(datum.data);
  return text;
}

// A self-signed certificate for 127.0.0.1 valid from `from` until `until`, and its RSA key, in PEM.
std::pair<std::string, std::string> makeCertificate(std::time_t from, std::time_t until) {
  gnutls_x509_privkey_t key = nullptr;
  gnutls_x509_crt_t certificate = nullptr;
  gnutls_x509_privkey_init(&key);
  gnutls_x509_crt_init(&certificate);
  EXPECT_EQ(gnutls_x509_privkey_generate(key, GNUTLS_PK_RSA, kRsaBits, 0), 0);
  const unsigned char serial[] = {1};
  constexpr std::string_view kName = "127.0.0.1";
  gnutls_x509_crt_set_version(certificate, 3);
  gnutls_x509_crt_set_serial(certificate, serial, sizeof serial);
  gnutls_x509_crt_set_dn_by_oid(certificate, GNUTLS_OID_X520_COMMON_NAME, 0, kName.data(), kName.size());
  gnutls_x509_crt_set_key(certificate, key);
  gnutls_x509_crt_set_activation_time(certificate, from);
  gnutls_x509_crt_set_expiration_time(certificate, until);
  EXPECT_EQ(gnutls_x509_crt_sign2(certificate, certificate, key, GNUTLS_DIG_SHA256, 0), 0);
  gnutls_datum_t certificateText{}, keyText{};
  gnutls_x509_crt_export2(certificate, GNUTLS_X509_FMT_PEM, &certificateText);
  gnutls_x509_privkey_export2(key, GNUTLS_X509_FMT_PEM, &keyText);
  gnutls_x509_crt_deinit(certificate);
  gnutls_x509_privkey_deinit(key);
  return {textOf(certificateText), textOf(keyText)};
}

// The protocol a handshake with the server on `port` agreed, offering only what `priorities` allows; empty when it
// was refused.
std::string agreedProtocol(int port, const char* priorities) {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(std::uint16_t(port));
  ::inet_pton(AF_INET, "127.0.0.1", &address.sin_addr);
  EXPECT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  gnutls_certificate_credentials_t credentials = nullptr;
  gnutls_certificate_allocate_credentials(&credentials);
  gnutls_session_t session = nullptr;
  gnutls_init(&session, GNUTLS_CLIENT);
  EXPECT_EQ(gnutls_priority_set_direct(session, priorities, nullptr), 0) << priorities;
  gnutls_credentials_set(session, GNUTLS_CRD_CERTIFICATE, credentials);
  gnutls_transport_set_int(session, fd);
  gnutls_handshake_set_timeout(session, kHandshakeMilliseconds);
  int result = 0;
  do result = gnutls_handshake(session);
  while (result < 0 && !gnutls_error_is_fatal(result));
  const std::string agreed = result < 0 ? "" : gnutls_protocol_get_name(gnutls_protocol_get_version(session));
  gnutls_deinit(session);
  gnutls_certificate_free_credentials(credentials);
  ::close(fd);
  return agreed;
}

TEST_F(ProgramTest, HttpsIsTls12Or13WithForwardSecrecyAndACertificateOutOfItsDatesStopsTheStart) {
  const auto in = [this](const std::string& name) { return (folder_ / name).string(); };
  const std::time_t now = std::time(nullptr);
  const auto [current, key] = makeCertificate(now - kDay, now + kDay);
  writeFile(in("cert.pem"), current);
  writeFile(in("key.pem"), key);
  {
    ServerProcess process(folder_, {"--cert", in("cert.pem"), "--key", in("key.pem")});
    const struct { const char* offered; const char* agreed; } clients[] = {
        {"NORMAL:-VERS-ALL:+VERS-TLS1.0", ""}, {"NORMAL:-VERS-ALL:+VERS-TLS1.1", ""},
        {"NORMAL:-VERS-ALL:+VERS-TLS1.2:-KX-ALL:+RSA", ""},
        {"NORMAL:-VERS-ALL:+VERS-TLS1.2", "TLS1.2"}, {"NORMAL:-VERS-ALL:+VERS-TLS1.3", "TLS1.3"}};
    for (const auto& client : clients)
      EXPECT_EQ(agreedProtocol(process.port(), client.offered), client.agreed) << client.offered;
  }
  // Out of its dates alone, or behind a current one in the file, as an expired intermediate certificate would be.
  const auto [expired, expiredKey] = makeCertificate(k2020, k2021);
  const auto [future, futureKey] = makeCertificate(k2090, k2091);
  writeFile(in("expired.pem"), expired);
  writeFile(in("expired.key"), expiredKey);
  writeFile(in("future.pem"), future);
  writeFile(in("future.key"), futureKey);
  writeFile(in("chain.pem"), current + expired);
  const std::string past = "(valid from 2020-01-01 00:00:00 UTC until 2021-01-01 00:00:00 UTC)";
  const std::string later = "(valid from 2090-01-01 00:00:00 UTC until 2091-01-01 00:00:00 UTC)";
  const std::string cases[][3] = {
      {"expired.pem", "expired.key", "it has expired " + past},
      {"future.pem", "future.key", "it is not valid yet " + later},
      {"chain.pem", "key.pem", "certificate 2 of 2 in the file has expired " + past}};
  for (const auto& [certificate, secret, says] : cases) {
    const ToolRun run = runWithin({"--texts", folder_.string(), "--store", storePath().string(), "--public-key",
                                   publicKeyPath().string(), "--port", "0", "--cert", in(certificate), "--key",
                                   in(secret)},
                                  std::chrono::seconds(kToolDeadlineSeconds));
    EXPECT_TRUE(exitedWith(run.status, 1)) << (WIFSIGNALED(run.status) ? "served until killed" : run.output);
    EXPECT_EQ(run.output, "the certificate " + in(certificate) + " cannot be used: " + says + "\n");
  }
}

}  // namespace
}  // namespace servertest
