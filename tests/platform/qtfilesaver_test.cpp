#include "model/file/designwriter.h"
#include "model/file/textfile.h"
#include "platform/qtfilesaver.h"
#include "tests/support/designbuilder.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

void put(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string text(const fs::path& path) { return model::readTextFile(path, 1 << 20).value_or("(unreadable)"); }

// Runs `job` in a child process, so the limits it sets never reach the rest of
// the tests. Returns what the job returned.
std::string inChild(const std::function<std::string()>& job)
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) return "(no pipe)";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        const std::string report = job();
        const bool sent = ::write(pipeEnds[1], report.data(), report.size()) == ssize_t(report.size());
        ::_exit(sent ? 0 : 1);
    }
    ::close(pipeEnds[1]);
    std::string report;
    char chunk[4096];
    for (ssize_t n; (n = ::read(pipeEnds[0], chunk, sizeof chunk)) > 0;) report.append(chunk, std::size_t(n));
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? report : "(child failed)";
}

constexpr const char* kOld = "1.2.0\r\n 150\r\n";

}  // namespace

TEST(QtFileSaver, ReplacesWholeKeepingPermissionsAndRefusesReadOnlyFiles)
{
    QTemporaryDir dir;
    const fs::path folder = dir.path().toStdString();
    using P = fs::perms;
    // The file before the save (none when empty), its permissions, whether
    // the save goes through, and the permissions afterwards.
    const struct { const char* name; const char* before; P mode; bool saved; } cases[] = {
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

// A file-size limit in the middle of a save, as a full disk (the document
// tests hold what a failed save shows): the save fails, the old file keeps
// every byte, a new one is not made and no temporary file is left.
TEST(QtFileSaver, ASaveBeyondTheFileSizeLimitFailsAndKeepsTheOldFile)
{
    QTemporaryDir dir;
    const fs::path folder = dir.path().toStdString();
    const std::string boat = (folder / "boat.QLK").string(), copy = (folder / "copy.QLK").string();
    const std::string design = model::writeDesignText(testsupport::furnishedKayak());
    for (const rlim_t limit : {design.size() / 2, design.size() - 1, design.size()}) {
        for (const std::string& path : {boat, copy}) {
            put(boat, kOld);
            fs::remove(copy);
            const std::string report = inChild([&] {
                std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of ending the process
                const rlimit sizeLimit{limit, limit};
                if (::setrlimit(RLIMIT_FSIZE, &sizeLimit) != 0) return std::string("(no limit)");
                return std::to_string(platform::QtFileSaver().save(path, design));
            });
            const bool saved = limit == design.size();
            EXPECT_EQ(std::tuple(report, text(boat), fs::exists(copy)),
                      std::tuple(std::to_string(saved), path == boat && saved ? design : kOld, path == copy && saved))
                << limit << " " << path;
            EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 1 + fs::exists(copy)) << limit;
        }
    }
}
