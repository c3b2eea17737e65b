#pragma once

#include "Twips.h"

#include <windows.h>

namespace duomira {

// The forms' pixels and colours as Win32 has them.
inline COLORREF toColorRef(const Rgb& colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

inline RECT toRect(const PixelRect& rect) {
    return {rect.left, rect.top, rect.left + rect.width, rect.top + rect.height};
}

} // namespace duomira
