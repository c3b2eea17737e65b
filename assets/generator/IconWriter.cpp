#include "IconWriter.h"

#include "ByteWriter.h"

#include <QBuffer>

#include <cstdint>

namespace duomira::art {

namespace {

constexpr std::array<QRgb, 16> kStandardPalette{
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xc0c0c0,
    0x808080, 0xff0000, 0x00ff00, 0xffff00, 0x0000ff, 0xff00ff, 0x00ffff, 0xffffff,
};

int rowBytes(int size, int bitsPerPixel) {
    return (size * bitsPerPixel + 31) / 32 * 4;
}

int imageBytes(int size, int bitsPerPixel) {
    return size * (rowBytes(size, bitsPerPixel) + rowBytes(size, 1));
}

int colourValue(const MaskedPicture& p, int x, int y) {
    const int v = p.pixels[static_cast<std::size_t>(y * p.size + x)];
    return v == MaskedPicture::kClear ? 0 : v;
}

// Rows bottom-up, leftmost pixel in the highest bits.
void packRows(ByteWriter& out, const MaskedPicture& p, int bitsPerPixel, bool mask) {
    const int perByte = 8 / bitsPerPixel;
    const int width = rowBytes(p.size, bitsPerPixel);
    for (int y = p.size - 1; y >= 0; --y) {
        for (int b = 0; b < width; ++b) {
            std::uint8_t packed = 0;
            for (int k = 0; k < perByte; ++k) {
                const int x = b * perByte + k;
                if (x >= p.size)
                    continue;
                const int v = mask ? p.pixels[static_cast<std::size_t>(y * p.size + x)] ==
                                         MaskedPicture::kClear
                                   : colourValue(p, x, y);
                packed |= static_cast<std::uint8_t>(v << (8 - bitsPerPixel * (k + 1)));
            }
            out.u8(packed);
        }
    }
}

void infoHeader(ByteWriter& out, int size, int bitsPerPixel) {
    out.u32(40);
    out.i32(size);
    out.i32(2 * size); // colour image and mask stacked
    out.u16(1);
    out.u16(static_cast<std::uint16_t>(bitsPerPixel));
    out.u32(0);
    out.u32(static_cast<std::uint32_t>(imageBytes(size, bitsPerPixel)));
    out.i32(0);
    out.i32(0);
    out.u32(0);
    out.u32(0);
}

void paletteEntries(ByteWriter& out, const QRgb* colours, int count) {
    for (int i = 0; i < count; ++i) {
        out.u8(static_cast<std::uint8_t>(qBlue(colours[i])));
        out.u8(static_cast<std::uint8_t>(qGreen(colours[i])));
        out.u8(static_cast<std::uint8_t>(qRed(colours[i])));
        out.u8(0);
    }
}

int entryBytes(int size, int bitsPerPixel) {
    return 40 + 4 * (1 << bitsPerPixel) + imageBytes(size, bitsPerPixel);
}

} // namespace

namespace {

// One image of a full-colour icon: PNG from 256 pixels on, else a 32-bit
// bitmap bottom-up with the mask of its see-through pixels after it.
QByteArray fullColourEntry(const QImage& image) {
    const int size = image.width();
    if (size >= 256) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "png");
        return png;
    }
    ByteWriter out;
    infoHeader(out, size, 32);
    for (int y = size - 1; y >= 0; --y)
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = image.pixel(x, y);
            for (const int channel : {qBlue(pixel), qGreen(pixel), qRed(pixel), qAlpha(pixel)})
                out.u8(static_cast<std::uint8_t>(channel));
        }
    MaskedPicture mask{size, {}};
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            mask.pixels.push_back(qAlpha(image.pixel(x, y)) == 0 ? MaskedPicture::kClear : 0);
    packRows(out, mask, 1, true);
    return out.data();
}

} // namespace

QByteArray fullColourIconFile(const std::vector<QImage>& images) {
    std::vector<QByteArray> entries;
    for (const QImage& image : images)
        entries.push_back(fullColourEntry(image));
    ByteWriter out;
    out.u16(0);
    out.u16(1);
    out.u16(static_cast<std::uint16_t>(images.size()));
    auto offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int size = images[i].width();
        out.u8(static_cast<std::uint8_t>(size >= 256 ? 0 : size)); // 0 stands for 256
        out.u8(static_cast<std::uint8_t>(size >= 256 ? 0 : size));
        out.u8(0);
        out.u8(0);
        out.u16(1);
        out.u16(32);
        out.u32(static_cast<std::uint32_t>(entries[i].size()));
        out.u32(offset);
        offset += static_cast<std::uint32_t>(entries[i].size());
    }
    QByteArray file = out.data();
    for (const QByteArray& entry : entries)
        file += entry;
    return file;
}

QByteArray iconFile(const std::vector<MaskedPicture>& images) {
    ByteWriter out;
    out.u16(0);
    out.u16(1);
    out.u16(static_cast<std::uint16_t>(images.size()));
    auto offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (const MaskedPicture& p : images) {
        out.u8(static_cast<std::uint8_t>(p.size));
        out.u8(static_cast<std::uint8_t>(p.size));
        out.u8(16);
        out.u8(0);
        out.u16(1);
        out.u16(4);
        out.u32(static_cast<std::uint32_t>(entryBytes(p.size, 4)));
        out.u32(offset);
        offset += static_cast<std::uint32_t>(entryBytes(p.size, 4));
    }
    for (const MaskedPicture& p : images) {
        infoHeader(out, p.size, 4);
        paletteEntries(out, kStandardPalette.data(), 16);
        packRows(out, p, 4, false);
        packRows(out, p, 1, true);
    }
    return out.data();
}

QByteArray cursorFile(const MaskedPicture& image, int hotX, int hotY) {
    constexpr std::array<QRgb, 2> kBlackWhite{0x000000, 0xffffff};
    ByteWriter out;
    out.u16(0);
    out.u16(2);
    out.u16(1);
    out.u8(static_cast<std::uint8_t>(image.size));
    out.u8(static_cast<std::uint8_t>(image.size));
    out.u8(2);
    out.u8(0);
    out.u16(static_cast<std::uint16_t>(hotX));
    out.u16(static_cast<std::uint16_t>(hotY));
    out.u32(static_cast<std::uint32_t>(entryBytes(image.size, 1)));
    out.u32(6 + 16);
    infoHeader(out, image.size, 1);
    paletteEntries(out, kBlackWhite.data(), 2);
    packRows(out, image, 1, false);
    packRows(out, image, 1, true);
    return out.data();
}

} // namespace duomira::art
