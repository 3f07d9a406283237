#include "platform/devicecontext.h"

#include "platform/picturebox.h"

#include <QPainter>

#include <utility>

namespace platform {

QPointF DeviceContext::device(Point logical) const
{
    const Point p = mapping_.toDevice(logical);
    return QPointF(p.x, p.y);
}

Point DeviceContext::MoveToEx(Point to)
{
    const Point previous = current_;
    current_ = to;
    if (recording_) path_.moveTo(device(to));
    return previous;
}

void DeviceContext::LineTo(Point to)
{
    const Point from = std::exchange(current_, to);
    if (recording_) {
        if (path_.elementCount() == 0) path_.moveTo(device(from));
        path_.lineTo(device(to));
        return;
    }
    if (QPainter* p = box_.canvas()) {
        box_.usePen(box_.ForeColor);
        p->drawLine(device(from), device(to));
    }
}

void DeviceContext::BeginPath()
{
    path_ = QPainterPath();
    path_.setFillRule(Qt::OddEvenFill);
    recording_ = true;
}

void DeviceContext::EndPath()
{
    recording_ = false;
}

void DeviceContext::StrokePath()
{
    if (QPainter* p = box_.canvas()) {
        box_.usePen(box_.ForeColor);
        box_.useBrush(false, box_.FillColor);
        p->drawPath(path_);
    }
    path_ = QPainterPath();
}

void DeviceContext::Polygon(const std::vector<Point>& points)
{
    if (points.empty()) return;
    PolygonPaint polygon{{}, box_.FillColor, box_.ForeColor};
    polygon.points.reserve(points.size());
    for (const Point& point : points) polygon.points.push_back(mapping_.toDevice(point));
    box_.Polygons({std::move(polygon)});
}

}  // namespace platform
