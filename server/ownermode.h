#pragma once
// The mode of every file the server makes: orders and keys are for the maker
// alone.

#include <sys/stat.h>

namespace orderserver {

inline constexpr mode_t kOwnerOnly = S_IRUSR | S_IWUSR;

}  // namespace orderserver
