#pragma once
// Tells a repeated post of one order from another order under the same
// number. A plain hash of an order whose other fields are known could be
// reversed by trying every card number, so the hash is keyed with a random
// key that lives only in this process: after a restart no fingerprint
// matches, and both posts are kept.

#include "server/orderpost.h"

#include <array>
#include <string>

namespace orderserver {

class OrderFingerprints {
 public:
  OrderFingerprints();
  ~OrderFingerprints();
  OrderFingerprints(const OrderFingerprints&) = delete;
  OrderFingerprints& operator=(const OrderFingerprints&) = delete;

  // The same for posts alike in every field the store keeps, and for nothing else.
  std::string of(const PostedOrder& order) const;

 private:
  static constexpr std::size_t kKeyBytes = 32;
  std::array<unsigned char, kKeyBytes> key_{};
};

}  // namespace orderserver
