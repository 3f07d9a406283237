#include "server/orderfingerprint.h"

#include <sodium.h>

namespace orderserver {

static_assert(crypto_generichash_KEYBYTES == 32, "the fingerprint key is one generic-hash key");

OrderFingerprints::OrderFingerprints() {
  // Without the library no post is sealed, so none is fingerprinted either.
  if (sodium_init() >= 0) randombytes_buf(key_.data(), key_.size());
}

OrderFingerprints::~OrderFingerprints() { sodium_memzero(key_.data(), key_.size()); }

std::string OrderFingerprints::of(const PostedOrder& order) const {
  crypto_generichash_state state;
  crypto_generichash_init(&state, key_.data(), key_.size(), crypto_generichash_BYTES);
  // Every field the record keeps, each after its length, so no split of one
  // post's fields matches another's. The order text is read from the message.
  for (const std::string* field : {&order.orderNumber, &order.customer, &order.email, &order.subject, &order.message}) {
    const std::string length = std::to_string(field->size()) + '\n';
    for (const std::string_view part : {std::string_view(length), std::string_view(*field)})
      crypto_generichash_update(&state, reinterpret_cast<const unsigned char*>(part.data()), part.size());
  }
  std::string fingerprint(crypto_generichash_BYTES, '\0');
  crypto_generichash_final(&state, reinterpret_cast<unsigned char*>(fingerprint.data()), fingerprint.size());
  return fingerprint;
}

}  // namespace orderserver
