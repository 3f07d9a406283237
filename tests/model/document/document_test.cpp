#include "model/document/document.h"
#include "model/edits/preferencevalues.h"
#include "model/file/designcheck.h"
#include "model/file/designreader.h"
#include "model/file/designwriter.h"
#include "model/file/textfile.h"
#include "model/hull/floaterror.h"
#include "tests/model/document/minidesign.h"
#include "tests/support/designbuilder.h"
#include "tests/support/scripteddialogs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <fstream>
#include <functional>
#include <iterator>
#include <locale>
#include <random>

namespace fs = std::filesystem;
using model::Design;
using model::DocumentOutcome;
using namespace testdesigns;

namespace {

std::string fileText(const fs::path& path) { return model::readTextFile(path, 1 << 24).value_or("<unreadable>"); }
void putFile(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string saveFailed(const std::string& path) { return "Failed to save to the file: '" + path + "'"; }

// An open design with unsaved changes.
Design openDesign(const std::string& fileName)
{
    Design d = testsupport::furnishedKayak();
    d.FileName = fileName;
    d.DesignChanged = true;
    d.CurrentStation = 3;
    d.StitchMarkLength = 0.5;
    return d;
}

// The mini design's text with `panels` panels a side, `bulkheads` bulkheads and point 1 linked `links` times.
std::string textWith(int panels, int bulkheads = 1, int links = 1)
{
    Design d = miniDesign();
    d.PanelsPerSide = std::int16_t(panels);
    d.HullPanels.assign(std::size_t(panels) + 1, d.HullPanels[1]);
    d.PanelEnds.assign(std::size_t(panels) + 1, d.PanelEnds[1]);
    d.BulkheadCount = std::int16_t(bulkheads);
    d.Bulkheads.assign(std::size_t(bulkheads) + 1, d.Bulkheads[1]);
    d.ControlPoints[1].LinkCount = std::int16_t(links);
    d.ControlPoints[1].Links.assign(std::size_t(links) + 1, 2);
    return model::writeDesignText(d);
}
// The mini design's text made `size` bytes long by blanks before its length row.
std::string paddedTo(std::size_t size)
{
    std::string text = model::writeDesignText(miniDesign());
    return text.insert(text.find('\n') + 1, size - text.size(), ' ');
}

struct DocumentTest : ::testing::Test {
    const fs::path folder = fs::temp_directory_path() / ("quillock-test-" + std::to_string(std::random_device()()));
    testsupport::ScriptedFileDialogs dialogs;
    testsupport::ScriptedMessageBox messages;
    testsupport::PlainFileSaver files;

    void SetUp() override { fs::create_directories(folder); }
    void TearDown() override { fs::remove_all(folder); }
    fs::path file(const std::string& name) const { return folder / name; }
    std::ptrdiff_t fileCount() const { return std::distance(fs::directory_iterator(folder), {}); }
};

}  // namespace

// The rows of a saved file, in order and in their number text: the files users already have depend on both.
TEST(DesignText, WritesEveryRowInFileOrderAndReadsLooserTexts)
{
    const std::vector<std::string> rows = {
        "1.2.0", " 200", " 4",                                                 // version, length, points
        " 0", " .1", " 0", " 0", " 0", " 0", " 0", " 1", " 2",                 // anchor linked to 2
        " .25", " .05", " .03", " 1", " 0", " 1", " 1", " 1", " 1", " 3",      // smooth handle
        " 1", " .1", " 0", " 0", " 0", " 0", " 2", " .5", " 0", " 0", " 0", " 0", " 0", " 2",  // plain
        " 2", " 1", " 2", " 3", " 4", " 0", " 4", " 3", " 2", " 1", " 1", " 3",  // segments
        " 2", " 2", " 1", " 2", " 1", " 2",                                    // lines
        " 1", " 1", " 2", " 1", " 4", " 1",                                    // panel: lines, ends, hull
        " 20", " 190", " 175", " 25.5", " .5", " 4.25", " 4", "-.125",         // settings
        " 1", " 2", " 3", " 4", " 11", " 32", " 18", " 0",                     // cockpit, distance
        " 1", " .5"};                                                          // bulkheads
    std::string canonical, loose;  // loose: blanks around every row, bare line feeds, no end to the last row
    for (const auto& row : rows) canonical += row + "\r\n", loose += "  " + row + "  \n";
    EXPECT_EQ(model::writeDesignText(miniDesign()), canonical);
    loose.pop_back();
    const std::string largest = withRow(kRowHullLength, " 1.79769313486231E+308");
    const std::pair<std::string, std::string> cases[] = {
        {loose, canonical},
        {"\xEF\xBB\xBF" + canonical, canonical},  // a UTF-8 byte-order mark is skipped
        {withRow(kRowStitchSpacing, " 4.5"), canonical},  // a half in a whole-number row goes to the even neighbour
        {withRow(kRowStations, " 20.4"), canonical},      // sections are built at whole stations
        {withRow(kRowStations, " 19.5"), canonical},
        {largest, largest},                               // the largest number whose text reads back
    };
    for (const auto& [text, saved] : cases) {
        const model::DesignRead read = model::readDesignText(text);
        ASSERT_TRUE(read.design) << read.fault;
        EXPECT_EQ(model::writeDesignText(*read.design), saved);
    }
}

TEST(DesignText, WritesAndReadsTheSameUnderACommaDecimalLocale)
{
    const std::string expected = model::writeDesignText(testsupport::furnishedKayak());
    const std::string savedC = std::setlocale(LC_ALL, nullptr);
    const std::locale savedGlobal;
    const char* found = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"})
        if ((found = std::setlocale(LC_ALL, name))) break;
    if (!found) GTEST_SKIP() << "no comma-decimal locale installed (scripts/deps.sh makes de_DE.UTF-8)";
    std::locale::global(std::locale(found));
    ASSERT_EQ(std::localeconv()->decimal_point, std::string(","));

    const std::string text = model::writeDesignText(testsupport::furnishedKayak());
    const model::DesignRead read = model::readDesignText(text);

    std::locale::global(savedGlobal);
    std::setlocale(LC_ALL, savedC.c_str());
    EXPECT_EQ(text, expected);
    ASSERT_TRUE(read.design) << read.fault;
    EXPECT_EQ(model::writeDesignText(*read.design), expected);
}

TEST_F(DocumentTest, OpenReplacesTheDesignAndResetsTheDocumentStateUnlessCancelled)
{
    const fs::path path = file("boat.QLK");
    putFile(path, model::writeDesignText(miniDesign()));
    Design design = openDesign("/boats/previous.QLK");
    const Design before = design;

    EXPECT_EQ(model::openDocument(design, dialogs, messages).outcome, DocumentOutcome::Cancelled);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"File failed to open..."});
    // The name kept, so the next Save goes to it without a dialog.
    EXPECT_EQ(std::tuple(design.FileName, design.DesignChanged), std::tuple(before.FileName, true));
    EXPECT_EQ(model::writeDesignText(design), model::writeDesignText(before));

    messages.shown.clear();
    dialogs.answers = {path.string()};
    const auto result = model::openDocument(design, dialogs, messages);

    ASSERT_EQ(result.outcome, DocumentOutcome::Done);
    EXPECT_EQ(result.caption, "Quillock - " + path.string());
    EXPECT_EQ(model::writeDesignText(design), fileText(path));
    // The stitch mark length is a preference, not part of the file; the sections are rebuilt by the check, the
    // bulkhead handle at the bulkhead, half of 200 inches.
    EXPECT_EQ(std::tuple(design.DesignChanged, design.CurrentStation, design.StitchMarkLength, design.Sections.size(),
                         design.BulkheadHandles.at(1).X),
              std::tuple(false, 0, 0.5, 21u, 100.0));
    EXPECT_EQ(std::pair(dialogs.opens.at(0).fileName, dialogs.opens.at(0).fileMustExist),
              std::pair(std::string("/boats/previous.QLK"), true));
}

TEST_F(DocumentTest, EveryBadFileLeavesTheOpenDesignAsItWas)
{
    const std::string whole = model::writeDesignText(miniDesign());
    Design fourPanels = testsupport::furnishedKayak();
    fourPanels.PanelsPerSide = 4;
    int files = 0;
    const auto written = [&](const std::string& text) {
        const fs::path path = file(std::to_string(++files));
        return putFile(path, text), path;
    };
    const auto badDesign = [&](const std::function<void(Design&)>& change) {  // the writer writes whatever it is given
        Design d = miniDesign();
        return change(d), written(model::writeDesignText(d));
    };
    const struct { std::string name; fs::path path; model::DesignCheck check = model::makesections; } cases[] = {
        {"missing file", file("missing.QLK")}, {"a folder", folder}, {"empty", written("")},
        {"a sound file the check throws on", written(whole), [](Design&) { throw model::FloatError("station"); }},
        {"last row missing", written(whole.substr(0, whole.rfind(" .5\r\n")))},
        {"malformed number", written(withRow(kRowCargo, " 25,5"))}, {"unknown version", written(withRow(0, "1.1.0"))},
        {"infinite number", written(withRow(kRowHullLength, " 1E+999"))},
        {"number too large to write back", written(withRow(kRowHullLength, " 1.7976931348623157E+308"))},
        {"integer above 16 bits", written(withRow(kRowFirstLink, " 32768"))},
        {"flag byte above 255", written(withRow(kRowFirstLock, " 256"))},
        {"negative count", written(withRow(kRowSegmentCount, "-1"))},
        {"ten rim points", written(withRow(kRowRimPointCount, " 10"))},
        {"count beyond the rows left", written("1.2.0\r\n 200\r\n 30000\r\n 0\r\n 0\r\n 0\r\n 0\r\n 0\r\n 0\r\n 0\r\n")},
        {"old version with four panels", written(model::writeDesignRows(fourPanels, model::kOldLayout, "1.0.1"))},
        {"four cockpits", badDesign([](Design& d) { d.CockpitCount = 4; })},
        {"zero hull length", badDesign([](Design& d) { d.HullLength = 0; })},
        {"no station interval", badDesign([](Design& d) { d.StationCount = 0.5; })},
        {"32767 stations and 200 lines",
         badDesign([](Design& d) { d.StationCount = 32767, d.LineCount = 200, d.HullLines.resize(201); })},
        {"one segment listed 9000 times",
         badDesign([](Design& d) { d.HullLines[1].SegmentCount = 9000, d.HullLines[1].Segments.assign(9001, 1); })},
        {"bulkhead handle overflow", badDesign([](Design& d) { d.HullLength = d.Bulkheads[1].X = 1e300; })},
        {"link outside the points", badDesign([](Design& d) { d.ControlPoints[1].Links[1] = 5; })},
        {"negative link", badDesign([](Design& d) { d.ControlPoints[1].Links[1] = -1; })},
        {"anchor outside the points", badDesign([](Design& d) { d.ControlPoints[2].Anchor = 5; })},
        {"segment point outside the points", badDesign([](Design& d) { d.CurveSegments[1].EndHandle = 5; })},
        {"line segment outside the segments", badDesign([](Design& d) { d.HullLines[2].Segments[1] = 3; })},
        {"panel line outside the lines", badDesign([](Design& d) { d.HullPanels[1].LineB = 3; })},
        {"rim point outside the points", badDesign([](Design& d) { d.Cockpits[1].RimPoints[2] = 5; })},
        {"102 stations", written(withRow(kRowStations, " 102"))},
        {"101.5 stations, 102 once rounded", written(withRow(kRowStations, " 101.5"))},
        {"33 panels", written(textWith(33))}, {"101 bulkheads", written(textWith(1, 101))},
        {"17 links of a point", written(textWith(1, 1, 17))},
        {"a byte beyond the largest file", written(paddedTo(model::kMaxDesignFileBytes + 1))},
    };
    const Design before = openDesign("/boats/previous.QLK");
    for (const auto& c : cases) {
        Design design = before;
        dialogs.answers = {c.path.string()};
        messages.shown.clear();

        const auto result = model::openDocument(design, dialogs, messages, c.check);

        EXPECT_EQ(std::tuple(result.outcome, result.caption, messages.texts(), design.DesignChanged),
                  std::tuple(DocumentOutcome::Failed, "Quillock - /boats/previous.QLK",
                             std::vector<std::string>{"Error opening file - File is corrupt"}, true)) << c.name;
        EXPECT_EQ(model::writeDesignText(design), model::writeDesignText(before)) << c.name;
    }

    // The files at the limits open, a design with the most stations the preferences set among them.
    Design mostStations = testsupport::furnishedKayak();
    mostStations.StationCount = model::stationsFromText("100").StationCount;
    messages.shown.clear();
    for (const std::string& text : {textWith(32), textWith(1, 100), textWith(1, 1, 16), withRow(kRowStations, " 101"),
                                    model::writeDesignText(mostStations), paddedTo(model::kMaxDesignFileBytes)}) {
        dialogs.answers = {written(text).string()};
        Design design;
        EXPECT_TRUE(model::openDocument(design, dialogs, messages).done()) << files;
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DocumentTest, SaveOpenSaveWritesTheSameBytes)
{
    Design design = openDesign("");
    dialogs.answers = {file("first.QLK").string()};  // untitled: Save asks for a name
    const auto result = model::saveDocument(design, dialogs, messages, files);
    EXPECT_EQ(std::tuple(result.outcome, result.caption, design.DesignChanged, dialogs.saves.at(0).overwritePrompt),
              std::tuple(DocumentOutcome::Done, "Quillock - " + file("first.QLK").string(), false, true));

    Design reopened;  // saved through a link, which replaces the linked file
    putFile(file("real.QLK"), "old");
    fs::create_symlink(file("real.QLK"), file("second.QLK"));
    dialogs.answers = {design.FileName, file("second.QLK").string()};
    ASSERT_TRUE(model::openDocument(reopened, dialogs, messages).done());
    ASSERT_TRUE(model::saveDocumentAs(reopened, dialogs, messages, files).done());

    EXPECT_EQ(fileText(file("real.QLK")), fileText(file("first.QLK")));
    // No temporary file left.
    EXPECT_EQ(std::tuple(fs::is_symlink(file("second.QLK")), fileCount(), messages.shown.size()),
              std::tuple(true, 3, 0u));
}

TEST_F(DocumentTest, OldVersionFilesGetTheFixedPanelTableAndAreSavedAsTheCurrentVersion)
{
    // Old files hold no panel ends or deck/hull flags; panels after the fifth are hull panels. The table is filled in
    // even where the design has no such points.
    const std::array<std::int16_t, 3> ends[] = {{0, 1, 14}, {0, 18, 23}, {0, 1, 14}, {0, 28, 43}, {0, 32, 39}, {0, 0, 0}};
    const std::int16_t isHull[] = {0, 0, 1, 1, 1, 1};
    Design thirtySeven = testsupport::furnishedKayak();  // fewer points than the old panel table names
    thirtySeven.PointCount = 37;
    thirtySeven.ControlPoints.resize(38);
    for (auto& s : thirtySeven.CurveSegments) s.EndLimit = s.StartLimit = std::min<std::int16_t>(s.EndLimit, 37);
    for (const Design& written : {testsupport::furnishedKayak(), thirtySeven})
        for (const char* version : {"1.0.0", "1.0.1"}) {
            const std::string name = version + std::to_string(written.PointCount);
            const fs::path path = file(name);
            putFile(path, model::writeDesignRows(written, model::kOldLayout, version));
            Design design;
            dialogs.answers = {path.string()};
            ASSERT_TRUE(model::openDocument(design, dialogs, messages).done()) << name;
            ASSERT_EQ(std::tuple(design.DesignVersion, design.PanelsPerSide), std::tuple(version, 6));
            for (int k = 1; k <= 6; ++k) {
                EXPECT_EQ(design.PanelEnds[k], ends[k - 1]) << name << " panel " << k;
                EXPECT_EQ(design.HullPanels[k].IsHull, isHull[k - 1]) << name << " panel " << k;
            }

            ASSERT_TRUE(model::saveDocument(design, dialogs, messages, files).done());
            EXPECT_EQ(fileText(path), "1.2.0" + model::writeDesignText(design).substr(5));
            dialogs.answers = {path.string()};
            EXPECT_TRUE(model::openDocument(design, dialogs, messages).done()) << name << " saved";
        }
}

TEST_F(DocumentTest, ASaveThatDoesNotHappenKeepsTheChangesTheNameAndTheOldFile)
{
    const fs::path plain = file("plain"), taken = file("taken.QLK");
    putFile(plain, "not a folder");
    fs::create_directory(taken);  // a folder a file cannot replace
    putFile(taken / "inside", "kept");
    const std::string previous = file("previous.QLK").string(), below = (plain / "boat.QLK").string(),
                      missing = file("missing/boat.QLK").string();
    // The design's file name and whether it had unsaved changes; Save As, or
    // Save; the name chosen in the dialog; what comes of it. A failed write
    // leaves the design changed even when it was not before.
    const struct { std::string fileName; bool changed; bool saveAs; std::optional<std::string> chosen;
                   DocumentOutcome outcome; std::string message; } cases[] = {
        {taken.string(), true, false, {}, DocumentOutcome::Failed, saveFailed(taken.string())},
        {below, false, false, {}, DocumentOutcome::Failed, saveFailed(below)},
        {previous, false, true, missing, DocumentOutcome::Failed, saveFailed(missing)},
        {previous, true, true, std::nullopt, DocumentOutcome::Cancelled, saveFailed("")},
    };
    for (const auto& c : cases) {
        Design design = openDesign(c.fileName);
        design.DesignChanged = c.changed;
        dialogs.answers = {c.chosen};
        messages.shown.clear();

        const auto result = c.saveAs ? model::saveDocumentAs(design, dialogs, messages, files)
                                     : model::saveDocument(design, dialogs, messages, files);

        EXPECT_EQ(std::tuple(result.outcome, result.caption, design.DesignChanged, messages.texts()),
                  std::tuple(c.outcome, "Quillock - " + c.fileName, true, std::vector<std::string>{c.message}));
        EXPECT_EQ(messages.shown.at(0).icon, model::MessageIcon::Exclamation);
    }
    EXPECT_EQ(std::tuple(fileText(plain), fileText(taken / "inside"), fileCount()),
              std::tuple("not a folder", "kept", 2));  // no temporary file left

    Design none;  // nothing to save: no dialog, no message
    EXPECT_EQ(model::saveDocument(none, dialogs, messages, files).outcome, DocumentOutcome::NoDesign);
    EXPECT_EQ(model::saveDocumentAs(none, dialogs, messages, files).outcome, DocumentOutcome::NoDesign);
    EXPECT_EQ(std::tuple(dialogs.saves.size(), messages.shown.size()), std::tuple(2u, 1u));
}

TEST_F(DocumentTest, TheProgramEndsOnlyWhenNothingUnsavedIsLost)
{
    using model::MessageAnswer;
    const std::string writable = file("saved.QLK").string(), unwritable = file("missing/saved.QLK").string();
    const struct { bool changed; MessageAnswer answer; std::string fileName; bool mayEnd; } cases[] = {
        {false, MessageAnswer::Cancel, writable, true},  // not asked
        {true, MessageAnswer::No, writable, true},
        {true, MessageAnswer::Cancel, writable, false},
        {true, MessageAnswer::Yes, writable, true},
        {true, MessageAnswer::Yes, unwritable, false},
        {true, MessageAnswer::Yes, "", false},  // untitled, save dialog cancelled
    };
    for (const auto& c : cases) {
        Design design = openDesign(c.fileName);
        design.DesignChanged = c.changed;
        messages.shown.clear();
        messages.answers = {c.answer};
        EXPECT_EQ(model::confirmEnd(design, dialogs, messages, files), c.mayEnd) << c.fileName;
        ASSERT_EQ(messages.shown.empty(), !c.changed) << c.fileName;
        if (c.changed) {
            EXPECT_EQ(std::tuple(messages.shown[0].text, messages.shown[0].buttons),
                      std::tuple("Do you wish to save your work?", model::MessageButtons::YesNoCancel));
        }
    }
    EXPECT_TRUE(fs::exists(writable));
}
