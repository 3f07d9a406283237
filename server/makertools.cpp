#include "server/makertools.h"

#include "server/ordersealing.h"
#include "server/orderstore.h"

namespace orderserver {

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
  std::string error;
  const auto secret = readKeyFile(secretKeyFile, error);
  const auto keys = secret ? keyPairOf(*secret) : std::nullopt;
  const auto store = keys ? OrderStore::openReadOnly(storePath, error) : nullptr;
  if (!store) {
    errors << error << '\n';
    return 1;
  }
  int unreadable = 0;
  for (const StoredOrder& stored : store->all()) {
    out << "Order " << stored.orderNumber << " received " << stored.receivedUtc << "\n";
    const auto order = openOrder(stored.sealed, *keys);
    if (!order) {
      out << "(cannot be opened with this key)\n\n";
      ++unreadable;
      continue;
    }
    out << "Customer: " << order->customer << "\nEmail: " << order->email << "\nSubject: " << order->subject
        << "\nMessage:\n" << order->message << "\nOrder text:\n" << order->orderText << "\n\n";
  }
  if (unreadable > 0) errors << unreadable << " orders were sealed to another key\n";
  return unreadable > 0 ? 1 : 0;
}

}  // namespace orderserver
