#pragma once
// Design files that must not open, one per kind of damage, all made from
// miniDesign(): either its rows edited, or the design changed in memory and
// written out (the writer writes whatever it is given).

#include "model/designwriter.h"
#include "tests/model/minidesign.h"

#include <functional>
#include <string>
#include <vector>

namespace testdesigns {

struct CorruptText {
    std::string name;
    std::string text;
};

// Rows of miniDesign()'s file, counted from 0 (the version row).
inline constexpr int kRowHullLength = 1;
inline constexpr int kRowPointCount = 2;
inline constexpr int kRowFirstLock = 6;
inline constexpr int kRowFirstLink = 11;
inline constexpr int kRowSegmentCount = 36;
inline constexpr int kRowCargo = 63;
inline constexpr int kRowRimPointCount = 69;

inline std::string withRow(int row, std::string value)
{
    auto rows = rowsOf(model::writeDesignText(miniDesign()));
    rows.at(std::size_t(row)) = std::move(value);
    return textOf(rows);
}

inline std::string withDesign(const std::function<void(model::Design&)>& change)
{
    model::Design d = miniDesign();
    change(d);
    return model::writeDesignText(d);
}

inline std::vector<CorruptText> corruptTexts()
{
    const std::string whole = model::writeDesignText(miniDesign());
    auto wholeRows = rowsOf(whole);
    wholeRows.pop_back();
    std::vector<CorruptText> texts = {
        {"empty", ""},
        {"cut in half", whole.substr(0, whole.size() / 2)},
        {"last row missing", textOf(wholeRows)},
        {"unknown version", withRow(0, "1.1.0")},
        {"malformed number", withRow(kRowCargo, " 25,5")},
        {"text for a count", withRow(kRowPointCount, "four")},
        {"infinite number", withRow(kRowHullLength, " 1E+999")},
        {"not a number", withRow(kRowCargo, "NaN")},
        {"integer above 16 bits", withRow(kRowFirstLink, " 32768")},
        {"count above 16 bits", withRow(kRowPointCount, " 40000")},
        {"flag byte above 255", withRow(kRowFirstLock, " 256")},
        {"negative flag byte", withRow(kRowFirstLock, "-1")},
        {"negative count", withRow(kRowSegmentCount, "-1")},
        {"ten rim points", withRow(kRowRimPointCount, " 10")},
        {"count beyond the rows left", "1.2.0\r\n 200\r\n 30000\r\n 0\r\n 0\r\n 0\r\n 0\r\n 0\r\n 0\r\n 0\r\n"},
    };
    using model::Design;
    const std::vector<std::pair<std::string, std::function<void(Design&)>>> changes = {
        {"four cockpits", [](Design& d) { d.CockpitCount = 4; }},
        {"half a cockpit", [](Design& d) { d.CockpitCount = 1.5; }},
        {"zero hull length", [](Design& d) { d.HullLength = 0; }},
        {"negative hull length", [](Design& d) { d.HullLength = -200; }},
        {"no station interval", [](Design& d) { d.StationCount = 0.5; }},
        {"station count above 16 bits", [](Design& d) { d.StationCount = 40000; }},
        {"too many section points",
         [](Design& d) {
             d.LineCount = 200;
             d.HullLines.assign(201, model::HullLine{});
             d.StationCount = 32767;
         }},
        {"bulkhead handle overflow",
         [](Design& d) {
             d.HullLength = 1e300;
             d.Bulkheads[1].X = 1e300;
         }},
        {"link outside the points", [](Design& d) { d.ControlPoints[1].Links[1] = 5; }},
        {"negative link", [](Design& d) { d.ControlPoints[1].Links[1] = -1; }},
        {"anchor outside the points", [](Design& d) { d.ControlPoints[2].Anchor = 5; }},
        {"opposite handle outside the points", [](Design& d) { d.ControlPoints[2].OppositeHandle = 5; }},
        {"segment point outside the points", [](Design& d) { d.CurveSegments[1].EndHandle = 5; }},
        {"end limit outside the points", [](Design& d) { d.CurveSegments[2].EndLimit = 5; }},
        {"start limit outside the points",
         [](Design& d) {
             d.CurveSegments[2].Kind = model::kCoversStartLimitToEnd;
             d.CurveSegments[2].StartLimit = 9;
         }},
        {"line segment outside the segments", [](Design& d) { d.HullLines[2].Segments[1] = 3; }},
        {"panel line outside the lines", [](Design& d) { d.HullPanels[1].LineB = 3; }},
        {"panel end outside the points", [](Design& d) { d.PanelEnds[1][1] = 5; }},
        {"rim point outside the points", [](Design& d) { d.Cockpits[1].RimPoints[2] = 5; }},
    };
    for (const auto& [name, change] : changes) texts.push_back({name, withDesign(change)});
    return texts;
}

}  // namespace testdesigns
