#pragma once
// View > Water Line's dots: where the waterline crosses the hull, at every
// tenth of its length, set into the top view as the last redraw left it.

#include "model/hull/design.h"
#include "platform/picturebox.h"

namespace views {

// Nothing without a design.
void DrawWaterline(const model::Design& design, platform::PictureBox& topView);

}  // namespace views
