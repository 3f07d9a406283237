#include "model/designwriter.h"
#include "model/document.h"
#include "model/floaterror.h"
#include "model/textfile.h"
#include "tests/model/corruptdesigns.h"
#include "tests/model/tempfolder.h"
#include "tests/support/designbuilder.h"
#include "tests/support/scripteddialogs.h"

#include <gtest/gtest.h>

#include <fstream>

namespace fs = std::filesystem;
using model::Design;
using model::DocumentOutcome;
using testdesigns::TempFolder;
using testsupport::ScriptedFileDialogs;
using testsupport::ScriptedMessageBox;

namespace {

constexpr const char* kCorrupt = "Error opening file - File is corrupt";

std::string fileText(const fs::path& path) { return model::readTextFile(path, 1 << 24).value_or("<unreadable>"); }

void putFile(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// An open design with unsaved changes, as the user has it before File > Open.
Design openDesign(const std::string& fileName)
{
    Design d = testsupport::furnishedKayak();
    d.FileName = fileName;
    d.DesignChanged = true;
    d.CurrentStation = 3;
    d.StitchMarkLength = 0.5;
    return d;
}

struct DocumentTest : ::testing::Test {
    TempFolder folder;
    ScriptedFileDialogs dialogs;
    ScriptedMessageBox messages;

    fs::path file(const std::string& name) const { return folder.path() / name; }
};

}  // namespace

TEST_F(DocumentTest, OpenReplacesTheDesignAndResetsTheDocumentState)
{
    const fs::path path = file("boat.QLK");
    putFile(path, model::writeDesignText(testdesigns::miniDesign()));
    Design design = openDesign("/boats/previous.QLK");
    dialogs.answers = {path.string()};

    const auto result = model::openDocument(design, dialogs, messages);

    ASSERT_EQ(result.outcome, DocumentOutcome::Done);
    EXPECT_EQ(result.caption, "Quillock - " + path.string());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(model::writeDesignText(design), fileText(path));
    EXPECT_EQ(design.FileName, path.string());
    EXPECT_TRUE(design.DesignLoaded);
    EXPECT_FALSE(design.DesignChanged);
    EXPECT_EQ(design.CurrentStation, 0);
    EXPECT_EQ(design.CurveStep, model::kDefaultCurveStep);
    EXPECT_EQ(design.StitchMarkLength, 0.5);  // a preference, not part of the file
    EXPECT_EQ(design.Sections.size(), 21u);   // rebuilt by the check

    ASSERT_EQ(dialogs.opens.size(), 1u);
    const auto& options = dialogs.opens[0];
    EXPECT_EQ(options.fileName, "/boats/previous.QLK");
    EXPECT_TRUE(options.fileMustExist);
    EXPECT_EQ(options.filter, "QLK Files (*.QLK)|*.QLK|All Files (*.*)|*.*");
    EXPECT_EQ(options.filterIndex, 1);
    EXPECT_EQ(options.defaultExt, "QLK");
}

TEST_F(DocumentTest, EveryDamagedFileLeavesTheOpenDesignAsItWas)
{
    const Design before = openDesign("/boats/previous.QLK");
    for (const auto& corrupt : testdesigns::corruptTexts()) {
        const fs::path path = file("damaged.QLK");
        putFile(path, corrupt.text);
        Design design = before;
        dialogs.answers = {path.string()};
        messages.shown.clear();

        const auto result = model::openDocument(design, dialogs, messages);

        EXPECT_EQ(result.outcome, DocumentOutcome::Failed) << corrupt.name;
        EXPECT_EQ(result.caption, "Quillock - /boats/previous.QLK") << corrupt.name;
        EXPECT_EQ(messages.texts(), std::vector<std::string>{kCorrupt}) << corrupt.name;
        EXPECT_EQ(model::writeDesignText(design), model::writeDesignText(before)) << corrupt.name;
        EXPECT_EQ(design.FileName, before.FileName) << corrupt.name;
        EXPECT_TRUE(design.DesignChanged) << corrupt.name;
        EXPECT_EQ(design.CurrentStation, 3) << corrupt.name;
    }
}

TEST_F(DocumentTest, AnUnreadableFileOrAFailingCheckIsCorruptToo)
{
    const fs::path good = file("good.QLK");
    putFile(good, model::writeDesignText(testdesigns::miniDesign()));
    const auto throwing = [](Design&) { throw model::FloatError("station spacing"); };
    const struct {
        std::string path;
        model::DesignCheck check;
    } cases[] = {{file("missing.QLK").string(), model::makesections},
                 {folder.path().string(), model::makesections},
                 {good.string(), throwing}};
    for (const auto& c : cases) {
        Design design = openDesign("/boats/previous.QLK");
        dialogs.answers = {c.path};
        messages.shown.clear();
        EXPECT_EQ(model::openDocument(design, dialogs, messages, c.check).outcome, DocumentOutcome::Failed) << c.path;
        EXPECT_EQ(messages.texts(), std::vector<std::string>{kCorrupt});
        EXPECT_EQ(design.FileName, "/boats/previous.QLK");
        EXPECT_EQ(design.PointCount, 45);
    }
}

TEST_F(DocumentTest, CancelledOpenKeepsTheDesignAndItsFileName)
{
    const fs::path path = file("kept.QLK");
    Design design = openDesign(path.string());
    const std::string before = model::writeDesignText(design);

    const auto result = model::openDocument(design, dialogs, messages);

    EXPECT_EQ(result.outcome, DocumentOutcome::Cancelled);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"File failed to open..."});
    EXPECT_EQ(design.FileName, path.string());
    EXPECT_EQ(model::writeDesignText(design), before);
    // So the next Save writes straight to the file, without a dialog.
    EXPECT_TRUE(model::saveDocument(design, dialogs, messages).done());
    EXPECT_TRUE(dialogs.saves.empty());
    EXPECT_EQ(fileText(path), before);
}

TEST_F(DocumentTest, SaveOpenSaveWritesTheSameBytes)
{
    Design design = testsupport::furnishedKayak();
    design.FileName = file("first.QLK").string();
    ASSERT_TRUE(model::saveDocument(design, dialogs, messages).done());

    Design reopened;
    dialogs.answers = {design.FileName};
    ASSERT_TRUE(model::openDocument(reopened, dialogs, messages).done());
    dialogs.answers = {file("second.QLK").string()};
    ASSERT_TRUE(model::saveDocumentAs(reopened, dialogs, messages).done());

    EXPECT_EQ(fileText(file("second.QLK")), fileText(file("first.QLK")));
}

TEST_F(DocumentTest, AnOldVersionFileIsSavedAsTheCurrentVersion)
{
    const fs::path path = file("old.QLK");
    putFile(path, model::writeDesignRows(testsupport::furnishedKayak(), model::kOldLayout, "1.0.0"));
    Design design;
    dialogs.answers = {path.string()};
    ASSERT_TRUE(model::openDocument(design, dialogs, messages).done());
    EXPECT_EQ(design.DesignVersion, "1.0.0");

    ASSERT_TRUE(model::saveDocument(design, dialogs, messages).done());
    const std::string saved = fileText(path);
    EXPECT_EQ(saved.substr(0, 7), "1.2.0\r\n");
    EXPECT_EQ(saved, model::writeDesignText(design));
}

TEST_F(DocumentTest, SavingAnUntitledDesignAsksForAName)
{
    Design design = testsupport::furnishedKayak();
    design.DesignChanged = true;
    const fs::path path = file("named.QLK");
    dialogs.answers = {path.string()};

    const auto result = model::saveDocument(design, dialogs, messages);

    ASSERT_EQ(result.outcome, DocumentOutcome::Done);
    EXPECT_EQ(result.caption, "Quillock - " + path.string());
    EXPECT_EQ(design.FileName, path.string());
    EXPECT_FALSE(design.DesignChanged);
    EXPECT_EQ(fileText(path), model::writeDesignText(design));
    ASSERT_EQ(dialogs.saves.size(), 1u);
    EXPECT_EQ(dialogs.saves[0].fileName, "");
    EXPECT_TRUE(dialogs.saves[0].overwritePrompt);
    EXPECT_EQ(dialogs.saves[0].defaultExt, "QLK");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DocumentTest, CancelledSaveAsSavesNothingAndSaysSo)
{
    Design design = testsupport::furnishedKayak();
    design.FileName = file("untouched.QLK").string();
    design.DesignChanged = true;

    const auto result = model::saveDocumentAs(design, dialogs, messages);

    EXPECT_EQ(result.outcome, DocumentOutcome::Cancelled);
    EXPECT_TRUE(design.DesignChanged);
    EXPECT_EQ(design.FileName, file("untouched.QLK").string());
    EXPECT_FALSE(fs::exists(file("untouched.QLK")));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Failed to save to the file: ''");
    EXPECT_EQ(messages.shown[0].icon, model::MessageIcon::Exclamation);
}

TEST_F(DocumentTest, AFailedWriteKeepsTheChangesTheNameAndTheOldFile)
{
    const fs::path plainFile = file("plain");
    putFile(plainFile, "not a folder");
    const std::string unwritable[] = {(plainFile / "boat.QLK").string(), file("missing/boat.QLK").string()};
    for (const std::string& path : unwritable) {
        Design design = testsupport::furnishedKayak();
        design.DesignChanged = true;
        design.FileName = path;
        messages.shown.clear();

        EXPECT_EQ(model::saveDocument(design, dialogs, messages).outcome, DocumentOutcome::Failed);
        EXPECT_TRUE(design.DesignChanged);
        EXPECT_EQ(messages.texts(), std::vector<std::string>{"Failed to save to the file: '" + path + "'"});

        // Save As to such a place keeps the previous name and caption.
        design.FileName = file("previous.QLK").string();
        dialogs.answers = {path};
        const auto result = model::saveDocumentAs(design, dialogs, messages);
        EXPECT_EQ(result.outcome, DocumentOutcome::Failed);
        EXPECT_EQ(result.caption, "Quillock - " + file("previous.QLK").string());
        EXPECT_EQ(design.FileName, file("previous.QLK").string());
    }
    EXPECT_EQ(fileText(plainFile), "not a folder");
}

TEST_F(DocumentTest, NothingToSaveWithoutADesign)
{
    Design design;
    EXPECT_EQ(model::saveDocument(design, dialogs, messages).outcome, DocumentOutcome::NoDesign);
    EXPECT_EQ(model::saveDocumentAs(design, dialogs, messages).outcome, DocumentOutcome::NoDesign);
    EXPECT_TRUE(dialogs.saves.empty());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DocumentTest, NewDropsTheNameTheChangesAndTheBulkheadsButKeepsTheDesign)
{
    Design design = openDesign("/boats/previous.QLK");
    EXPECT_EQ(model::newDocument(design), "Quillock");
    EXPECT_EQ(design.FileName, "");
    EXPECT_FALSE(design.DesignChanged);
    EXPECT_TRUE(design.DesignLoaded);
    EXPECT_EQ(design.CockpitCount, 1);
    EXPECT_EQ(design.CurrentStation, 0);
    EXPECT_EQ(design.BulkheadCount, 0);
    EXPECT_EQ(design.BulkheadHandles.size(), 1u);
    EXPECT_EQ(design.PointCount, 45);
}

TEST_F(DocumentTest, TheProgramEndsOnlyWhenNothingUnsavedIsLost)
{
    using model::MessageAnswer;
    const std::string writable = file("saved.QLK").string();
    const std::string unwritable = file("missing/saved.QLK").string();
    const struct {
        bool changed;
        MessageAnswer answer;
        std::string fileName;
        bool mayEnd;
    } cases[] = {
        {false, MessageAnswer::Cancel, writable, true},  // not asked
        {true, MessageAnswer::No, writable, true},
        {true, MessageAnswer::Cancel, writable, false},
        {true, MessageAnswer::Yes, writable, true},
        {true, MessageAnswer::Yes, unwritable, false},
        {true, MessageAnswer::Yes, "", false},  // untitled, save dialog cancelled
    };
    for (const auto& c : cases) {
        Design design = testsupport::furnishedKayak();
        design.DesignChanged = c.changed;
        design.FileName = c.fileName;
        messages.shown.clear();
        messages.answers = {c.answer};
        EXPECT_EQ(model::confirmEnd(design, dialogs, messages), c.mayEnd) << c.fileName;
        if (!c.changed) {
            EXPECT_TRUE(messages.shown.empty());
            continue;
        }
        ASSERT_FALSE(messages.shown.empty());
        EXPECT_EQ(messages.shown[0].text, "Do you wish to save your work?");
        EXPECT_EQ(messages.shown[0].buttons, model::MessageButtons::YesNoCancel);
    }
    EXPECT_TRUE(fs::exists(writable));
}
