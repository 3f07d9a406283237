#pragma once
// The section editor: the current station's outline in black, drawn in the
// view's present scale with its present width and style.

#include "views/redraw.h"

namespace views {

void drawSectionEditorOutline(const Redraw& r);

}  // namespace views
