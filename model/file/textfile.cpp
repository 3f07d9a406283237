#include "model/file/textfile.h"

#include <fstream>
#include <random>

namespace model {

namespace fs = std::filesystem;

std::optional<std::string> readTextFile(const fs::path& path, std::uintmax_t maxBytes)
{
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec || size > maxBytes) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::string text(size, '\0');
    if (!in.read(text.data(), std::streamsize(size))) return std::nullopt;
    return text;
}

namespace {

// A name no other save of the same file is likely to pick at the same time.
fs::path temporaryBeside(const fs::path& target)
{
    std::random_device random;
    fs::path temporary = target;
    temporary += ".saving-" + std::to_string(random());
    return temporary;
}

bool writeWhole(const fs::path& path, std::string_view text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), std::streamsize(text.size()));
    out.flush();
    out.close();
    return !out.fail();
}

}  // namespace

bool writeFileAtomically(const fs::path& path, std::string_view text)
{
    std::error_code ec;
    // Saving through a link replaces the file it points to, not the link.
    // (A missing file is no link; its status error does not matter.)
    const bool link = fs::is_symlink(fs::symlink_status(path, ec));
    const fs::path target = link ? fs::canonical(path, ec) : path;
    if (link && ec) return false;
    const fs::path temporary = temporaryBeside(target);
    if (writeWhole(temporary, text)) {
        fs::rename(temporary, target, ec);
        if (!ec) return true;
    }
    fs::remove(temporary, ec);
    return false;
}

}  // namespace model
