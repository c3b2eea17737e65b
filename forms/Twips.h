#pragma once

#include <cmath>

namespace duomira {

// Every length of the game's windows is designed in twips: 1440 per inch,
// 15 per pixel at 96 dots per inch. This is the one place they become the
// front ends' pixels: logical pixels where the toolkit scales those itself on
// high-density screens, or device pixels at the density a front end gives.
inline constexpr double kTwipsPerInch = 1440.0;
inline constexpr int kDesignDpi = 96;
inline constexpr double kTwipsPerPixel = kTwipsPerInch / kDesignDpi;

inline int twipsToPixels(double twips, int dpi = kDesignDpi) {
    return static_cast<int>(std::lround(twips / (kTwipsPerInch / dpi)));
}

inline double pixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

// A length designed in pixels at 96 dots per inch, at another density.
inline int scaledPixels(int pixels, int dpi) {
    return static_cast<int>(std::lround(static_cast<double>(pixels) * dpi / kDesignDpi));
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

inline PixelRect toPixels(const TwipsRect& rect, int dpi = kDesignDpi) {
    return {twipsToPixels(rect.left, dpi), twipsToPixels(rect.top, dpi),
            twipsToPixels(rect.width, dpi), twipsToPixels(rect.height, dpi)};
}

struct Rgb {
    int red;
    int green;
    int blue;
};

} // namespace duomira
