#pragma once
// The device context of a picture box: drawing in logical units under a
// mapping of its own, with the current position, paths and polygons. It
// strokes with the pen the box keeps from its ForeColor, DrawWidth and
// DrawStyle, and fills with a solid brush of its FillColor while its
// FillStyle is solid.

#include "platform/gdimapping.h"

#include <QPainterPath>

#include <vector>

namespace platform {

class PictureBox;

class DeviceContext {
public:
    explicit DeviceContext(PictureBox& box) : box_(box) {}

    // Mapping calls; each returns the value it replaced.
    std::int32_t SetMapMode(std::int32_t mode) { return mapping_.setMapMode(mode); }
    Point SetWindowOrgEx(Point origin) { return mapping_.setWindowOrg(origin); }
    Size SetWindowExtEx(Size extent) { return mapping_.setWindowExt(extent); }
    Point SetViewportOrgEx(Point origin) { return mapping_.setViewportOrg(origin); }
    Size SetViewportExtEx(Size extent) { return mapping_.setViewportExt(extent); }
    const GdiMapping& mapping() const { return mapping_; }

    // Returns the previous current position. Inside a path it starts a figure.
    Point MoveToEx(Point to);
    // A line from the current position, or an edge of the open path.
    void LineTo(Point to);

    void BeginPath();
    void EndPath();
    // Draws the path's figures open, as traced, and discards the path.
    void StrokePath();

    // A closed, outlined and filled polygon (odd-even fill).
    void Polygon(const std::vector<Point>& points);

private:
    QPointF device(Point logical) const;

    PictureBox& box_;
    GdiMapping mapping_;
    Point current_{};
    bool recording_ = false;
    QPainterPath path_;
};

}  // namespace platform
