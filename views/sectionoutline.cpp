#include "views/sectionoutline.h"

#include "views/sectionlines.h"

namespace views {

namespace {

constexpr platform::ColorRef kOutline = platform::kBlack;

}  // namespace

void drawSectionEditorOutline(const Redraw& r)
{
    platform::PictureBox& box = r.box(kSectionEdit);
    for (const Segment& s : sectionOutline(r.design, r.design.CurrentStation))
        box.Line(float(s.x1), float(s.y1), float(s.x2), float(s.y2), kOutline);
}

}  // namespace views
