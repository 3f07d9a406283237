#pragma once
// Whole-file reads and atomic whole-file writes.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace model {

// The file's bytes; nothing when it cannot be read or is larger than maxBytes.
std::optional<std::string> readTextFile(const std::filesystem::path& path, std::uintmax_t maxBytes);

// Replaces the file with `text` atomically: the text goes to a temporary file
// in the same folder, which is then renamed over the file. False when any
// step fails; the old file is then untouched and no temporary file is left.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view text);

}  // namespace model
