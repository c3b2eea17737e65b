#pragma once

#include "Twips.h"

#include <QColor>
#include <QRect>
#include <QSize>

namespace duomira {

// The forms' twips, pixels and colours as Qt's types.
inline QSize twipsSize(double width, double height) {
    return {twipsToPixels(width), twipsToPixels(height)};
}

inline QRect twipsRect(const TwipsRect& rect) {
    const PixelRect pixels = toPixels(rect);
    return {pixels.left, pixels.top, pixels.width, pixels.height};
}

inline QRect toQRect(const PixelRect& rect) {
    return {rect.left, rect.top, rect.width, rect.height};
}

inline QColor toQColor(const Rgb& colour) {
    return {colour.red, colour.green, colour.blue};
}

} // namespace duomira
