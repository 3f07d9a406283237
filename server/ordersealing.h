#pragma once
// Stored orders sealed to the maker's public key: the server holds only the
// public key, so neither its store nor the server itself reveals an order;
// the maker opens them with the secret key. Keys are hex text files.

#include "server/orderpost.h"

#include <array>
#include <optional>
#include <string>

namespace orderserver {

inline constexpr std::size_t kKeyBytes = 32;
using OrderKey = std::array<unsigned char, kKeyBytes>;

struct KeyPair {
  OrderKey publicKey;
  OrderKey secretKey;
};

// A fresh key pair; nothing when the library cannot start.
std::optional<KeyPair> makeKeyPair();

// Writes the key as hex to a new file of the owner's only (never replacing one).
bool writeKeyFile(const std::string& path, const OrderKey& key, std::string& error);
std::optional<OrderKey> readKeyFile(const std::string& path, std::string& error);

// Every field but the order number (kept in clear to list orders), sealed.
std::string sealOrder(const PostedOrder& order, const OrderKey& publicKey);
// Nothing when `sealed` was not sealed to this key pair or is damaged.
std::optional<PostedOrder> openOrder(std::string_view sealed, const KeyPair& keys);

}  // namespace orderserver

namespace orderserver {

// The pair of a secret key: its public half is derived from it.
std::optional<KeyPair> keyPairOf(const OrderKey& secretKey);

}  // namespace orderserver
