#include "platform/twips.h"

#include <QScreen>
#include <QWidget>

#include <cmath>

namespace platform {

double twipsPerPixel(const QWidget& window)
{
    const QScreen* s = window.screen();
    return s ? kTwipsPerInch / s->logicalDotsPerInch() : kTwipsPerPixelAt96Dpi;
}

int twipsToPixels(double twips, const QWidget& window) { return int(std::lround(twips / twipsPerPixel(window))); }

}  // namespace platform
