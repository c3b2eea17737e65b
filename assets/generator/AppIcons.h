#pragma once

#include <QByteArray>
#include <QImage>

#include <array>

namespace duomira::art {

// The square sizes of the desktop's icon theme folders the game installs into.
inline constexpr std::array<int, 6> kAppIconSizes{16, 32, 48, 64, 128, 256};

// The window icon's motif, two overlapping yellow cards with a black heart each,
// drawn afresh for `size` pixels on a see-through background.
QImage appIconImage(int size);

// The same picture as a PNG file.
QByteArray appIconFile(int size);

} // namespace duomira::art
