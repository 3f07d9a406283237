#include "model/document/document.h"
#include "model/file/designwriter.h"
#include "model/file/textfile.h"
#include "platform/qtfilesaver.h"
#include "platform/terminationsignals.h"
#include "tests/support/childprocess.h"
#include "tests/support/designbuilder.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testapp.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sched.h>
#include <filesystem>
#include <fstream>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

void put(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string text(const fs::path& path) { return model::readTextFile(path, 1 << 20).value_or("(unreadable)"); }

enum class Command { Save, SaveAs, Exit };

// The command run on a changed design whose file is `boat`, Save As and the
// exit prompt answered with `copy` and Yes: whether it went through, whether
// the design is still changed, and the messages shown.
std::string saveReport(Command command, const std::string& boat, const std::string& copy)
{
    model::Design d = testsupport::furnishedKayak();
    d.DesignLoaded = d.DesignChanged = true;
    d.FileName = boat;
    testsupport::ScriptedFileDialogs dialogs;
    dialogs.answers = {copy};
    testsupport::ScriptedMessageBox messages;
    messages.answers = {model::MessageAnswer::Yes};
    platform::QtFileSaver files;
    bool done = false;
    switch (command) {
    case Command::Save: done = model::saveDocument(d, dialogs, messages, files).done(); break;
    case Command::SaveAs: done = model::saveDocumentAs(d, dialogs, messages, files).done(); break;
    case Command::Exit: done = model::confirmEnd(d, dialogs, messages, files); break;
    }
    std::string shown;
    for (const auto& m : messages.texts()) shown += m + "|";
    return std::to_string(done) + std::to_string(d.DesignChanged) + " " + shown;
}

std::string saveFailed(const std::string& path) { return "Failed to save to the file: '" + path + "'|"; }
constexpr const char* kAsk = "Do you wish to save your work?|";
constexpr const char* kOld = "1.2.0\r\n 150\r\n";

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

// A file-size limit in the middle of a save, met with only the program's own
// start-up: the save fails with its message, the design stays changed, the
// exit prompt keeps the program open and the old file keeps every byte.
TEST(QtFileSaver, ASaveBeyondTheFileSizeLimitFailsAndKeepsTheOldFile)
{
    QTemporaryDir dir;
    const fs::path folder = dir.path().toStdString();
    const std::string boat = (folder / "boat.QLK").string(), copy = (folder / "copy.QLK").string();
    const std::string design = model::writeDesignText(testsupport::furnishedKayak());
    testsupport::testApp();  // the program sets up its signals once its application exists
    // The limit, the command, whether it went through and the messages shown.
    const struct {
        rlim_t limit;
        Command command;
        bool done;
        std::string messages;
    } cases[] = {
        {design.size() / 2, Command::Save, false, saveFailed(boat)},
        {design.size() / 2, Command::SaveAs, false, saveFailed(copy)},
        {design.size() / 2, Command::Exit, false, kAsk + saveFailed(boat)},
        {design.size() - 1, Command::Save, false, saveFailed(boat)},
        {design.size(), Command::Save, true, ""},
        {design.size(), Command::Exit, true, kAsk},
    };
    for (const auto& c : cases) {
        put(boat, kOld);
        fs::remove(copy);
        const std::string report = testsupport::inChild([&] {
            platform::setUpProgramSignals();
            const rlimit sizeLimit{c.limit, c.limit};
            return ::setrlimit(RLIMIT_FSIZE, &sizeLimit) == 0 ? saveReport(c.command, boat, copy) : "(no limit)";
        });
        EXPECT_EQ(report, std::to_string(c.done) + std::to_string(!c.done) + " " + c.messages) << c.limit;
        EXPECT_EQ(text(boat), c.done ? design : kOld) << c.limit;
        EXPECT_FALSE(fs::exists(copy)) << c.limit;
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 1) << c.limit;  // no temporary file left
    }
}

// The same on a full disk: a 16 kB tmpfs of the child's own, filled up.
TEST(QtFileSaver, ASaveOnAFullDiskFailsAndKeepsTheOldFile)
{
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString(), boat = folder + "/boat.QLK";
    for (Command command : {Command::Save, Command::Exit}) {
        const std::string report = testsupport::inChild([&]() -> std::string {
            if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
                ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=16k") != 0)
                return "(no tmpfs)";
            put(boat, kOld);
            const int filler = ::open((folder + "/filler").c_str(), O_WRONLY | O_CREAT, 0600);
            const std::string block(1024, 'x');
            while (::write(filler, block.data(), block.size()) > 0) {}
            ::close(filler);
            const std::string saved = saveReport(command, boat, {});
            const auto files = std::distance(fs::directory_iterator(folder), {});
            return saved + (text(boat) == kOld ? "kept" : "lost") + std::to_string(files);
        });
        if (report == "(no tmpfs)") GTEST_SKIP() << "no tmpfs of its own here";
        const std::string asked = command == Command::Exit ? kAsk : "";
        EXPECT_EQ(report, "01 " + asked + saveFailed(boat) + "kept2");  // boat and filler: no temporary file left
    }
}
