#include "model/file/designreader.h"

#include "model/file/designcheck.h"
#include "model/file/designrows.h"
#include "model/file/rowreader.h"
#include "model/hull/floaterror.h"

#include <array>
#include <cmath>

namespace model {

namespace {

// Old versions hold no panel ends or deck/hull flags; they get this table.
struct OldPanel {
    std::int16_t firstEnd, secondEnd, isHull;
};
constexpr std::array<OldPanel, 6> kOldPanels{{{0, 0, 0}, {1, 14, 0}, {18, 23, 0}, {1, 14, 1}, {28, 43, 1}, {32, 39, 1}}};
constexpr OldPanel kOldLaterPanel{0, 0, 1};
constexpr int kOldTablePanels = int(kOldPanels.size()) - 1;

constexpr std::string_view kOldVersions[] = {"1.0.0", "1.0.1"};

RowLayout layoutOfVersion(const std::string& version, const RowReader& rows)
{
    if (version == kCurrentFileVersion) return kCurrentLayout;
    for (std::string_view old : kOldVersions)
        if (version == old) return kOldLayout;
    rows.fail("unknown version \"" + version + "\"");
}

void fillOldPanels(Design& d, const RowReader& rows)
{
    if (d.PanelsPerSide < kOldTablePanels) rows.fail("an old file needs at least five panels");
    for (int k = 1; k <= d.PanelsPerSide; ++k) {
        const OldPanel& old = k <= kOldTablePanels ? kOldPanels[k] : kOldLaterPanel;
        d.PanelEnds[k] = {0, old.firstEnd, old.secondEnd};
        d.HullPanels[k].IsHull = old.isHull;
    }
}

// Handles sit at the bulkheads in inches; everything else about them is
// placed later by the drawing and the panel preview.
void placeBulkheadHandles(Design& d)
{
    d.BulkheadHandles.assign(d.Bulkheads.size(), Point2{});
    d.BulkheadDrawOrigin.assign(d.Bulkheads.size(), Point2{});
    for (int b = 1; b <= d.BulkheadCount; ++b)
        d.BulkheadHandles[b].X = checked(d.HullLength * d.Bulkheads[b].X, "bulkhead handle");
}

template <class ReadRows>
DesignRead guardedRead(ReadRows readRows)
{
    try {
        Design d;
        readRows(d);
        // Sections are built at whole stations only, as Preferences stores them.
        d.StationCount = std::nearbyint(d.StationCount);
        if (auto fault = designFault(d)) return {std::nullopt, *fault};
        return {std::move(d), {}};
    } catch (const CorruptDesign& e) {
        return {std::nullopt, e.what()};
    } catch (const FloatError& e) {
        return {std::nullopt, e.what()};
    }
}

}  // namespace

DesignRead readDesignText(std::string_view text)
{
    return guardedRead([text](Design& d) {
        RowReader rows(text);
        rows.text(d.DesignVersion);
        const RowLayout layout = layoutOfVersion(d.DesignVersion, rows);
        rows::transferDesign(rows, d, layout);
        if (!layout.panelEndRows) fillOldPanels(d, rows);
        placeBulkheadHandles(d);
    });
}

DesignRead readTemplateText(std::string_view text, PaddlerRows paddlers)
{
    return guardedRead([text, paddlers](Design& d) {
        RowReader rows(text);
        rows::transferDesign(rows, d, templateLayout(paddlers));
    });
}

}  // namespace model
