#pragma once
// Reads a design text — a design file of version 1.2.0, 1.0.1 or 1.0.0, or a
// starting-design template — into a fresh design. All or nothing: a text that
// is short, malformed, of an unknown version or that points outside its own
// lists gives no design at all.

#include "model/file/designlayout.h"
#include "model/hull/design.h"

#include <optional>
#include <string>
#include <string_view>

namespace model {

struct DesignRead {
    std::optional<Design> design;  // the whole design, when the text was sound
    std::string fault;             // which row was wrong and why, when it was not
};

// A design file; its first row names the version and so the layout.
DesignRead readDesignText(std::string_view text);

// A template: no version row, no deck/hull flags (every panel reads as a deck
// panel), no distance between cockpits, no bulkheads.
DesignRead readTemplateText(std::string_view text, PaddlerRows paddlers);

}  // namespace model
