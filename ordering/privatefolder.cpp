#include "ordering/privatefolder.h"

#include <stdlib.h>

#include <string>
#include <system_error>

namespace ordering {

namespace {

constexpr const char* kFolderPattern = "quillock-order-XXXXXX";

}  // namespace

PrivateFolder::~PrivateFolder()
{
    std::error_code ignored;
    if (path_) std::filesystem::remove_all(*path_, ignored);
}

std::optional<std::filesystem::path> PrivateFolder::file(std::string_view name)
{
    if (!path_) {
        std::error_code error;
        const std::filesystem::path base = std::filesystem::temp_directory_path(error);
        if (error) return std::nullopt;
        // mkdtemp makes the folder with mode 0700, atomically and under a
        // name no one else can have taken.
        std::string pattern = (base / kFolderPattern).string();
        if (!mkdtemp(pattern.data())) return std::nullopt;
        path_ = pattern;
    }
    return *path_ / name;
}

void PrivateFolder::remove(std::string_view name) const
{
    std::error_code ignored;
    if (path_) std::filesystem::remove(*path_ / name, ignored);
}

}  // namespace ordering
