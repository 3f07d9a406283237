#pragma once
// A picture box's user scale: the coordinates of its upper-left corner and its
// width and height in user units (a negative height makes Y grow upward), or
// plain pixels until a scale is set. Qt-free.

#include "platform/gditypes.h"

namespace platform {

struct UserPoint {
    double x = 0;
    double y = 0;
};

class UserScale {
public:
    // Plain pixels.
    UserScale() = default;
    // The scale from an upper-left to a lower-right corner. A corner pair of no
    // width or no height cannot be mapped and leaves pixels.
    UserScale(float x1, float y1, float x2, float y2);

    bool isPixels() const { return pixels_; }
    float left() const { return left_; }
    float top() const { return top_; }
    float width() const { return width_; }
    float height() const { return height_; }

    // Device pixel of a user position on a client area of the given size,
    // rounded to the nearest pixel (half to even).
    Point toDevice(double x, double y, int clientWidth, int clientHeight) const;
    // A user length along X in pixels (circle radii are measured across).
    double widthToPixels(double length, int clientWidth) const;
    UserPoint toUser(double px, double py, int clientWidth, int clientHeight) const;

private:
    bool pixels_ = true;
    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

}  // namespace platform
