#include "BmpWriter.h"

#include "ByteWriter.h"

#include <stdexcept>

namespace duomira::art {

namespace {
constexpr int kPaletteEntries = 64;
constexpr int kUsableEntries = 33;
constexpr std::uint32_t kPixelOffset = 14 + 40 + 4 * kPaletteEntries;
} // namespace

QByteArray cardBitmapFile(const IndexedBitmap& picture) {
    if (picture.width % 4 != 0 || static_cast<int>(picture.palette.size()) > kUsableEntries)
        throw std::invalid_argument("picture does not fit the card bitmap layout");
    const auto imageSize = static_cast<std::uint32_t>(picture.width * picture.height);
    ByteWriter out;
    out.u8('B');
    out.u8('M');
    out.u32(kPixelOffset + imageSize);
    out.u32(0);
    out.u32(kPixelOffset);

    out.u32(40);
    out.i32(picture.width);
    out.i32(picture.height);
    out.u16(1);
    out.u16(8);
    out.u32(0);
    out.u32(imageSize);
    out.i32(0);
    out.i32(0);
    out.u32(kPaletteEntries);
    out.u32(kPaletteEntries);

    for (int i = 0; i < kPaletteEntries; ++i) {
        const QRgb c = i < static_cast<int>(picture.palette.size()) ? picture.palette[i] : 0;
        out.u8(static_cast<std::uint8_t>(qBlue(c)));
        out.u8(static_cast<std::uint8_t>(qGreen(c)));
        out.u8(static_cast<std::uint8_t>(qRed(c)));
        out.u8(0);
    }
    for (int y = picture.height - 1; y >= 0; --y)
        for (int x = 0; x < picture.width; ++x)
            out.u8(picture.pixels[static_cast<std::size_t>(y * picture.width + x)]);
    return out.data();
}

} // namespace duomira::art
