#pragma once
// The mapping state a device context carries from logical to device units:
// mode, window origin and extent, viewport origin and extent. Each setter
// returns the value it replaced. Qt-free.

#include "platform/gditypes.h"

namespace platform {

class GdiMapping {
public:
    std::int32_t mapMode() const { return mode_; }
    Point windowOrg() const { return windowOrg_; }
    Size windowExt() const { return windowExt_; }
    Point viewportOrg() const { return viewportOrg_; }
    Size viewportExt() const { return viewportExt_; }

    // Unknown modes are refused and leave the mapping as it is.
    std::int32_t setMapMode(std::int32_t mode);
    Point setWindowOrg(Point origin);
    Point setViewportOrg(Point origin);
    // Extents only take effect in the scalable modes, and never a zero one.
    Size setWindowExt(Size extent);
    Size setViewportExt(Size extent);

    // A logical position in device pixels, rounded to the nearest (half to even).
    Point toDevice(double x, double y) const;
    Point toDevice(Point logical) const { return toDevice(logical.x, logical.y); }

private:
    bool scalable() const { return mode_ == MM_ISOTROPIC || mode_ == MM_ANISOTROPIC; }

    std::int32_t mode_ = MM_TEXT;
    Point windowOrg_{};
    Size windowExt_{1, 1};
    Point viewportOrg_{};
    Size viewportExt_{1, 1};
};

}  // namespace platform
