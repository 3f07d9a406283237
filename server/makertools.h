#pragma once
// The maker's two tools beside the server: making the key pair, and reading
// the stored orders with the secret key.

#include <ostream>
#include <string>

namespace orderserver {

// Exit codes: 0 done, 1 failed (the reason written to `errors`).
int makeKeys(const std::string& publicKeyFile, const std::string& secretKeyFile, std::ostream& errors);

// Writes every stored order, oldest first, each headed by its number and time.
// The store is only read: a missing, empty or foreign file is refused as it is.
int readOrders(const std::string& storePath, const std::string& secretKeyFile, std::ostream& out,
               std::ostream& errors);

}  // namespace orderserver
