#include "model/file/designwriter.h"

#include "model/file/designrows.h"
#include "model/file/rowwriter.h"

namespace model {

namespace {
// A guess at the bytes per row, to reserve the text once.
constexpr std::size_t kBytesPerRow = 12;
constexpr std::size_t kRowsPerPointGuess = 10;
}  // namespace

std::string writeDesignRows(const Design& design, const RowLayout& layout, std::string_view version)
{
    std::string text;
    text.reserve(kBytesPerRow * kRowsPerPointGuess * std::size_t(design.PointCount > 0 ? design.PointCount : 1));
    RowWriter rows(text);
    if (layout.versionRow) rows.text(version);
    rows::transferDesign(rows, design, layout);
    return text;
}

std::string writeDesignText(const Design& design)
{
    return writeDesignRows(design, kCurrentLayout, kCurrentFileVersion);
}

std::string writeTemplateText(const Design& design, PaddlerRows paddlers)
{
    return writeDesignRows(design, templateLayout(paddlers), {});
}

}  // namespace model
