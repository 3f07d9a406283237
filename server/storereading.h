#pragma once
// Reading every stored order with the maker's tool, beside a server that may
// start or stop while it reads.

#include "server/orderstore.h"

#include <string>
#include <vector>

namespace orderserver {

// Every stored order, oldest first. When the store cannot be read in full,
// `error` says why and the orders read before are returned.
std::vector<StoredOrder> readStoredOrders(const std::string& path, std::string& error);

}  // namespace orderserver
