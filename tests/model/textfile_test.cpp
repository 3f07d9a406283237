#include "model/textfile.h"
#include "tests/model/tempfolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace fs = std::filesystem;
using testdesigns::TempFolder;

namespace {

std::string contents(const fs::path& path)
{
    return model::readTextFile(path, 1 << 20).value_or("<unreadable>");
}

}  // namespace

TEST(TextFile, ReplacesAFileAndLeavesNoTemporaryFile)
{
    TempFolder folder;
    const fs::path file = folder.path() / "boat.QLK";
    ASSERT_TRUE(model::writeFileAtomically(file, "first\r\n"));
    ASSERT_TRUE(model::writeFileAtomically(file, "second\r\n"));
    EXPECT_EQ(contents(file), "second\r\n");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"boat.QLK"});
}

TEST(TextFile, AFailedWriteLeavesTheOldFileAndNoTemporaryFile)
{
    TempFolder folder;
    // The target is a folder that cannot be replaced by a file: the temporary
    // file is written, the rename fails.
    const fs::path target = folder.path() / "taken.QLK";
    fs::create_directory(target);
    std::ofstream(target / "inside") << "keep";
    EXPECT_FALSE(model::writeFileAtomically(target, "text"));
    EXPECT_EQ(contents(target / "inside"), "keep");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"taken.QLK"});
}

TEST(TextFile, CannotWriteBelowAFileOrIntoAMissingFolder)
{
    TempFolder folder;
    const fs::path plainFile = folder.path() / "plain";
    std::ofstream(plainFile) << "x";
    EXPECT_FALSE(model::writeFileAtomically(plainFile / "boat.QLK", "text"));
    EXPECT_FALSE(model::writeFileAtomically(folder.path() / "missing" / "boat.QLK", "text"));
    EXPECT_EQ(contents(plainFile), "x");
}

TEST(TextFile, SavingThroughALinkReplacesTheLinkedFile)
{
    TempFolder folder;
    const fs::path real = folder.path() / "real.QLK";
    const fs::path link = folder.path() / "link.QLK";
    std::ofstream(real) << "old";
    fs::create_symlink(real, link);
    ASSERT_TRUE(model::writeFileAtomically(link, "new"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(contents(real), "new");
}

TEST(TextFile, ReadsNothingFromMissingFoldersOrOversizedFiles)
{
    TempFolder folder;
    EXPECT_FALSE(model::readTextFile(folder.path() / "missing", 100));
    EXPECT_FALSE(model::readTextFile(folder.path(), 100));
    const fs::path file = folder.path() / "big";
    std::ofstream(file) << std::string(101, 'x');
    EXPECT_FALSE(model::readTextFile(file, 100));
    EXPECT_EQ(model::readTextFile(file, 101)->size(), 101u);
}
