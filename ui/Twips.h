#pragma once

#include <QRect>
#include <QSize>

#include <cmath>

namespace duomira {

// Every length of the game's windows is designed in twips: 1440 per inch,
// 15 per pixel at 96 dots per inch. This is the one place they become Qt's
// logical pixels; Qt itself scales those on high-density screens.
inline constexpr double kTwipsPerPixel = 15.0;

inline int twipsToPixels(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

inline QSize twipsSize(double width, double height) {
    return {twipsToPixels(width), twipsToPixels(height)};
}

inline QRect twipsRect(double left, double top, double width, double height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

inline double pixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

} // namespace duomira
