#include "model/file/textfile.h"
#include "platform/qtfilesaver.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

void put(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string text(const fs::path& path) { return model::readTextFile(path, 1024).value_or("(unreadable)"); }

}  // namespace

TEST(QtFileSaver, ReplacesWholeKeepingPermissionsAndRefusesReadOnlyFiles)
{
    QTemporaryDir dir;
    const fs::path folder = dir.path().toStdString();
    using P = fs::perms;
    // The file before the save (none when empty), its permissions, whether
    // the save goes through, and the permissions afterwards.
    const struct {
        const char* name;
        const char* before;
        P mode;
        bool saved;
    } cases[] = {
        {"new.QLK", "", P::none, true},
        {"private.QLK", "old", P::owner_read | P::owner_write, true},
        {"shared.QLK", "old", P::owner_read | P::owner_write | P::group_read | P::others_read, true},
        {"readonly.QLK", "old", P::owner_read | P::group_read, false},
    };
    for (const auto& c : cases) {
        const fs::path path = folder / c.name;
        if (*c.before) {
            put(path, c.before);
            fs::permissions(path, c.mode);
        }
        EXPECT_EQ(platform::QtFileSaver().save(path.string(), "1.2.0\r\n 200\r\n"), c.saved) << c.name;
        EXPECT_EQ(text(path), c.saved ? "1.2.0\r\n 200\r\n" : c.before) << c.name;
        if (*c.before) {
            EXPECT_EQ(fs::status(path).permissions(), c.mode) << c.name;
        }
    }

    // Through a link the linked file is replaced and the link stays a link.
    const fs::path target = folder / "target.QLK", link = folder / "link.QLK";
    put(target, "old");
    fs::create_symlink(target, link);
    EXPECT_TRUE(platform::QtFileSaver().save(link.string(), "new"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(text(target), "new");

    EXPECT_FALSE(platform::QtFileSaver().save((folder / "missing" / "boat.QLK").string(), "new"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 6);  // no temporary file left
}
