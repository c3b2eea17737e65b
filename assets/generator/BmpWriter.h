#pragma once

#include "IndexedBitmap.h"

#include <QByteArray>

namespace duomira::art {

// The card bitmap layout: 8 bits per pixel, a 64-entry palette, pixels from byte 310.
// Widths must be a multiple of 4 so that rows carry no padding.
QByteArray cardBitmapFile(const IndexedBitmap& picture);

} // namespace duomira::art
