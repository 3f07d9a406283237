#pragma once
// Writes a design as text, one value a row, every row ended by CR LF, in the
// number text of numbertext.h whatever the process locale. The order text
// file of a plans order starts with exactly the rows of writeDesignText.

#include "model/file/designlayout.h"
#include "model/hull/design.h"

#include <string>
#include <string_view>

namespace model {

// A design file of the current version (kCurrentFileVersion).
std::string writeDesignText(const Design& design);

// A starting-design template: the design's rows without the version, the
// deck/hull flags, the distance between cockpits and the bulkheads.
std::string writeTemplateText(const Design& design, PaddlerRows paddlers);

// The rows of `layout`; the version row, when the layout has one, holds `version`.
std::string writeDesignRows(const Design& design, const RowLayout& layout, std::string_view version);

}  // namespace model
