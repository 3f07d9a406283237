#include "server/ordersealing.h"

#include "server/ownermode.h"

#include <sodium.h>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>

namespace orderserver {
namespace {

constexpr std::size_t kHexBytes = 2 * kKeyBytes;

// The sealed fields, each as its decimal length, a line end and its bytes.
constexpr std::string PostedOrder::*kSealedFields[] = {&PostedOrder::customer, &PostedOrder::email,
                                                       &PostedOrder::subject, &PostedOrder::message,
                                                       &PostedOrder::orderText};

bool ready() { return sodium_init() >= 0; }

// False, with errno saying why, when the bytes cannot all be written.
bool writeWhole(int fd, const char* bytes, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, bytes, size);
    if (n < 0) return false;
    bytes += n;
    size -= std::size_t(n);
  }
  return true;
}

std::string pack(const PostedOrder& order) {
  std::string packed;
  for (const auto field : kSealedFields)
    packed += std::to_string((order.*field).size()) + '\n' + order.*field;
  return packed;
}

std::optional<PostedOrder> unpack(std::string_view packed) {
  PostedOrder order;
  for (const auto field : kSealedFields) {
    std::size_t size = 0;
    const auto [end, ec] = std::from_chars(packed.data(), packed.data() + packed.size(), size);
    const std::size_t head = std::size_t(end - packed.data()) + 1;
    if (ec != std::errc() || head > packed.size() || *end != '\n' || packed.size() - head < size)
      return std::nullopt;
    order.*field = packed.substr(head, size);
    packed.remove_prefix(head + size);
  }
  if (!packed.empty()) return std::nullopt;
  return order;
}

}  // namespace

std::optional<KeyPair> makeKeyPair() {
  if (!ready()) return std::nullopt;
  KeyPair keys;
  crypto_box_keypair(keys.publicKey.data(), keys.secretKey.data());
  return keys;
}

bool writeKeyFile(const std::string& path, const OrderKey& key, std::string& error) {
  char hex[kHexBytes + 1];
  sodium_bin2hex(hex, sizeof hex, key.data(), key.size());
  hex[kHexBytes] = '\n';
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kOwnerOnly);
  const bool written = fd >= 0 && writeWhole(fd, hex, sizeof hex) && ::fsync(fd) == 0;
  const int reason = errno;
  sodium_memzero(hex, sizeof hex);
  if (fd >= 0) {
    ::close(fd);
    // Made just now by this call, so a half-written key is no one else's file.
    if (!written) ::unlink(path.c_str());
  }
  if (!written)
    error = "cannot write the new key file " + path + ": " +
            (reason == EEXIST ? "it exists already, and a key file is never replaced" : std::strerror(reason));
  return written;
}

std::optional<OrderKey> readKeyFile(const std::string& path, std::string& error) {
  char hex[kHexBytes + 2] = {};
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  const ssize_t read = fd >= 0 ? ::read(fd, hex, sizeof hex) : -1;
  if (fd >= 0) ::close(fd);
  OrderKey key;
  std::size_t length = 0;
  const bool sound = read >= ssize_t(kHexBytes) &&
                     sodium_hex2bin(key.data(), key.size(), hex, std::size_t(read), "\r\n", &length, nullptr) == 0 &&
                     length == kKeyBytes;
  sodium_memzero(hex, sizeof hex);
  if (!sound) {
    error = "cannot read a key from " + path;
    return std::nullopt;
  }
  return key;
}

std::string sealOrder(const PostedOrder& order, const OrderKey& publicKey) {
  std::string packed = pack(order);
  std::string sealed(packed.size() + crypto_box_SEALBYTES, '\0');
  if (!ready() || crypto_box_seal(reinterpret_cast<unsigned char*>(sealed.data()),
                                  reinterpret_cast<const unsigned char*>(packed.data()), packed.size(),
                                  publicKey.data()) != 0)
    sealed.clear();
  sodium_memzero(packed.data(), packed.size());
  return sealed;
}

std::optional<PostedOrder> openOrder(std::string_view sealed, const KeyPair& keys) {
  if (!ready() || sealed.size() < crypto_box_SEALBYTES) return std::nullopt;
  std::string packed(sealed.size() - crypto_box_SEALBYTES, '\0');
  if (crypto_box_seal_open(reinterpret_cast<unsigned char*>(packed.data()),
                           reinterpret_cast<const unsigned char*>(sealed.data()), sealed.size(),
                           keys.publicKey.data(), keys.secretKey.data()) != 0)
    return std::nullopt;
  return unpack(packed);
}

}  // namespace orderserver

namespace orderserver {

std::optional<KeyPair> keyPairOf(const OrderKey& secretKey) {
  KeyPair keys{{}, secretKey};
  if (!ready() || crypto_scalarmult_base(keys.publicKey.data(), secretKey.data()) != 0) return std::nullopt;
  return keys;
}

}  // namespace orderserver
