#include "server/makertools.h"

#include "server/ordersealing.h"
#include "server/storereading.h"
#include "server/visibletext.h"

#include <cerrno>
#include <cstring>

namespace orderserver {
namespace {

// One record per stored order: every buyer field on its own line with its
// control characters escaped, so no field can end the record or start another.
void writeOrder(const StoredOrder& stored, const std::optional<PostedOrder>& order, std::ostream& out) {
  out << "Order " << visibleField(stored.orderNumber) << " received " << visibleField(stored.receivedUtc) << "\n";
  if (!order) {
    out << "(cannot be opened with this key)\n\n";
    return;
  }
  out << "Customer: " << visibleField(order->customer) << "\nEmail: " << visibleField(order->email)
      << "\nSubject: " << visibleField(order->subject) << "\nMessage:\n" << visibleField(order->message)
      << "\nOrder text:\n" << visibleLines(order->orderText) << "\n\n";
}

}  // namespace

int makeKeys(const std::string& publicKeyFile, const std::string& secretKeyFile, std::ostream& errors) {
  const auto keys = makeKeyPair();
  std::string error = "the key library cannot start";
  if (keys && writeKeyFile(secretKeyFile, keys->secretKey, error) &&
      writeKeyFile(publicKeyFile, keys->publicKey, error))
    return 0;
  errors << error << '\n';
  return 1;
}

int readOrders(const std::string& storePath, const std::string& secretKeyFile, std::ostream& out,
               std::ostream& errors) {
  std::string error = "the key library cannot start";
  const auto secret = readKeyFile(secretKeyFile, error);
  const auto keys = secret ? keyPairOf(*secret) : std::nullopt;
  if (!keys) {
    errors << error << '\n';
    return 1;
  }
  int unreadable = 0;
  for (const StoredOrder& stored : readStoredOrders(storePath, error)) {
    const auto order = openOrder(stored.sealed, *keys);
    writeOrder(stored, order, out);
    if (!order) ++unreadable;
  }
  // A full disk or a file-size limit shows only here, once the last bytes go out.
  if (!out.flush()) {
    errors << "the orders could not all be written out: " << std::strerror(errno) << '\n';
    return 1;
  }
  if (!error.empty()) {
    errors << error << '\n';
    return 1;
  }
  if (unreadable > 0) errors << unreadable << " orders were sealed to another key\n";
  return unreadable > 0 ? 1 : 0;
}

}  // namespace orderserver
