#pragma once

#include <QByteArray>
#include <QImage>
#include <QRgb>

#include <array>
#include <vector>

namespace duomira::art {

// A small picture for icons and cursors: one value per pixel, top row first,
// a palette index or kClear for a see-through pixel.
struct MaskedPicture {
    static constexpr int kClear = -1;
    int size = 0; // width and height
    std::vector<int> pixels;
};

// Indices of the standard 16-colour palette that the pictures use.
namespace vga {
constexpr int kBlack = 0;
constexpr int kNavy = 4;
constexpr int kSilver = 7;
constexpr int kGrey = 8;
constexpr int kBlue = 12;
constexpr int kYellow = 11;
constexpr int kWhite = 15;
} // namespace vga

// An icon file with one 4-bit image per picture, each with its transparency mask.
QByteArray iconFile(const std::vector<MaskedPicture>& images);

// An icon file of full-colour images, each its own size: 32-bit with an
// alpha channel, the 256-pixel one as PNG, as Windows shows them at any scale.
QByteArray fullColourIconFile(const std::vector<QImage>& images);

// A cursor file with one 1-bit image (index 0 black, 1 white) and its hotspot.
QByteArray cursorFile(const MaskedPicture& image, int hotX, int hotY);

} // namespace duomira::art
