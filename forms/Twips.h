#pragma once

#include <cmath>

namespace duomira {

// Every length of the game's windows is designed in twips: 1440 per inch,
// 15 per pixel at 96 dots per inch. This is the one place they become the
// front ends' pixels (logical pixels: each toolkit scales those itself on
// high-density screens).
inline constexpr double kTwipsPerPixel = 15.0;

inline int twipsToPixels(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

inline double pixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

struct TwipsRect {
    double left;
    double top;
    double width;
    double height;
};

struct PixelRect {
    int left;
    int top;
    int width;
    int height;
};

struct PixelPoint {
    int x;
    int y;
};

inline PixelRect toPixels(const TwipsRect& rect) {
    return {twipsToPixels(rect.left), twipsToPixels(rect.top), twipsToPixels(rect.width),
            twipsToPixels(rect.height)};
}

struct Rgb {
    int red;
    int green;
    int blue;
};

} // namespace duomira
