// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window is laid out in twips (1/1440 inch). Qt widgets are placed in device-independent
// pixels, 15 twips each at 96 dpi; Qt's own high-DPI scaling does the rest.

#include <QRect>

namespace ferrovolt {

inline constexpr int kTwipsPerPixel = 15;

// Twips to device-independent pixels, to the nearest pixel.
constexpr int twips(int value) {
    return (value >= 0 ? value + kTwipsPerPixel / 2 : value - kTwipsPerPixel / 2) / kTwipsPerPixel;
}

// A rectangle given as left, top, width, height in twips.
struct TwipsRect {
    int left, top, width, height;
};

// Keeps the edges on whole pixels so neighbouring controls neither overlap nor gap.
inline QRect toPixels(TwipsRect r) {
    const int left = twips(r.left);
    const int top = twips(r.top);
    return {left, top, twips(r.left + r.width) - left, twips(r.top + r.height) - top};
}

}  // namespace ferrovolt
