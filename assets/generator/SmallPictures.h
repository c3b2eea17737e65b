#pragma once

#include "IconWriter.h"

namespace duomira::art {

// The window icon: two yellow cards with black outlines, each showing the same mark.
std::vector<MaskedPicture> windowIconImages();
// The About dialog's icon: a white letter i on a dark blue disc.
std::vector<MaskedPicture> aboutIconImages();
// The board pointer: a white hand with a black outline, index finger up.
MaskedPicture handCursorImage();
// The same hand drawn afresh for a screen with `ratio` device pixels to each of
// the 32-pixel cursor's, in a picture of 32 * ratio pixels.
MaskedPicture handCursorDrawing(qreal ratio);

} // namespace duomira::art
