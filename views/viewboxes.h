#pragma once
// The main window's six picture boxes, as the redraw draws into them.

#include "platform/picturebox.h"
#include "views/viewextent.h"

namespace views {

struct ViewBoxes {
    platform::PictureBox* RightView = nullptr;
    platform::PictureBox* TopView = nullptr;
    platform::PictureBox* BottomView = nullptr;
    platform::PictureBox* FrontView = nullptr;
    platform::PictureBox* SectionEdit = nullptr;
    platform::PictureBox* picVolumeDistributionGraph = nullptr;

    bool complete() const
    {
        return RightView && TopView && BottomView && FrontView && SectionEdit && picVolumeDistributionGraph;
    }
    // By the drawing code's view number, 1 to 6.
    platform::PictureBox& box(int view) const
    {
        platform::PictureBox* const boxes[] = {nullptr, RightView, TopView, BottomView, FrontView, SectionEdit,
                                               picVolumeDistributionGraph};
        return *boxes[view];
    }
};

}  // namespace views
