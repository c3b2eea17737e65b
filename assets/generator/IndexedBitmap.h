#pragma once

#include <QImage>
#include <QRgb>

#include <cstdint>
#include <vector>

namespace duomira::art {

// A picture reduced to a small palette, the way the card bitmaps carry it.
struct IndexedBitmap {
    int width = 0;
    int height = 0;
    std::vector<QRgb> palette;        // entry 0 is always white
    std::vector<std::uint8_t> pixels; // palette indices, top row first
};

// Reduces an opaque drawing to at most `maxColours` colours, white among them.
// Integer arithmetic only, so the result is the same on every run.
IndexedBitmap quantise(const QImage& drawing, int maxColours);

} // namespace duomira::art
