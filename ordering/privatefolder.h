#pragma once
// A folder only its owner can enter, for the order's files with card data.
// It is made on first use and removed with everything in it when the
// object ends, so no order file outlives the program.

#include <filesystem>
#include <optional>
#include <string_view>

namespace ordering {

// The order's files, under fixed names inside the private folder.
inline constexpr const char* kOrderTextName = "temp.txt";
inline constexpr const char* kEncipheredName = "order.qle";
inline constexpr const char* kPostPageName = "cdif.html";

class PrivateFolder {
public:
    PrivateFolder() = default;
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;
    ~PrivateFolder();

    // The path of `name` inside the folder, making the folder first when
    // needed; nothing when it cannot be made.
    std::optional<std::filesystem::path> file(std::string_view name);

    // Removes `name`; a file already gone is no error.
    void remove(std::string_view name) const;

    // The folder, once made.
    const std::optional<std::filesystem::path>& path() const { return path_; }

private:
    std::optional<std::filesystem::path> path_;
};

}  // namespace ordering
