#include "server/orderfingerprint.h"

#include <sodium.h>

namespace orderserver {

static_assert(crypto_generichash_KEYBYTES == 32, "the fingerprint key is one generic-hash key");

OrderFingerprints::OrderFingerprints() {
  // Without the library no post is sealed, so none is fingerprinted either.
  if (sodium_init() >= 0) randombytes_buf(key_.data(), key_.size());
}

OrderFingerprints::~OrderFingerprints() { sodium_memzero(key_.data(), key_.size()); }

std::string OrderFingerprints::of(std::string_view orderNumber, std::string_view message) const {
  // The number's length first, so no split of one text matches another.
  const std::string length = std::to_string(orderNumber.size()) + '\n';
  crypto_generichash_state state;
  crypto_generichash_init(&state, key_.data(), key_.size(), crypto_generichash_BYTES);
  for (const std::string_view part : {std::string_view(length), orderNumber, message})
    crypto_generichash_update(&state, reinterpret_cast<const unsigned char*>(part.data()), part.size());
  std::string fingerprint(crypto_generichash_BYTES, '\0');
  crypto_generichash_final(&state, reinterpret_cast<unsigned char*>(fingerprint.data()), fingerprint.size());
  return fingerprint;
}

}  // namespace orderserver
