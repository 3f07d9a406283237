#pragma once
// The four starting hulls, by the file name the wizard opens.

#include "tools/hullshape.h"

#include "model/file/designlayout.h"

#include <vector>

namespace hulls {

HullShape kqlk22();  // one cockpit, 2 hull panels a side
HullShape kqlk32();  // one cockpit, 3 hull panels a side
HullShape kqlk42();  // one cockpit, 4 hull panels a side
HullShape tqlk();    // two cockpits, 3 hull panels a side

struct TemplateEntry {
    const char* fileName;
    HullShape (*shape)();
    model::PaddlerRows paddlerRows;  // the tandem's file holds one weight for both
};

const std::vector<TemplateEntry>& templateList();

}  // namespace hulls
