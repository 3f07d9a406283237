#pragma once
// The sizes, in pixels, a main window of a given outer size gives its views:
// the three long views stacked across the client width, each two tenths of
// its height; under them three views side by side, each a third of the width
// and four tenths of the height.

namespace testsupport {

struct ViewLayout {
    int longWidth, longHeight;  // profile, top and bottom views
    int bandWidth, bandHeight;  // front view, section editor, volume graph
};

inline ViewLayout mainWindowLayout(int outerWidth, int outerHeight)
{
    constexpr int kFrame = 8, kCaption = 30, kMenu = 20;  // a typical desktop's
    const int clientWidth = outerWidth - 2 * kFrame, clientHeight = outerHeight - kCaption - kMenu - kFrame;
    return {clientWidth, 2 * clientHeight / 10, clientWidth / 3, 4 * clientHeight / 10};
}

}  // namespace testsupport
