#pragma once

#include "Twips.h"

namespace duomira {

// Where a window's outer corner goes so that the whole window, frame
// included, is centred on the screen: reckoned in single-precision twips as
// the main window's load does, but never above or left of the work area, so
// that a window larger than the screen keeps its title and menus within
// reach. The main window and the password dialog both open here.
PixelPoint centredCorner(const PixelRect& screen, const PixelRect& workArea, int outerWidth,
                         int outerHeight);

} // namespace duomira
