#pragma once

// A reader for the committed picture files, written apart from the generator so the
// tests do not take its word for the layout.

#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace duomira::test {

using Bytes = std::vector<std::uint8_t>;

inline std::string assetPath(const std::string& name) {
    return std::string(DUOMIRA_ASSETS_DIR) + "/" + name;
}

inline Bytes readAsset(const std::string& name) {
    std::ifstream in(assetPath(name), std::ios::binary);
    if (!in)
        throw std::runtime_error("missing asset " + name);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

inline std::uint32_t u16(const Bytes& b, std::size_t at) {
    return static_cast<std::uint32_t>(b.at(at) | b.at(at + 1) << 8);
}
inline std::uint32_t u32(const Bytes& b, std::size_t at) {
    return u16(b, at) | u16(b, at + 2) << 16;
}
inline std::int32_t i32(const Bytes& b, std::size_t at) {
    return static_cast<std::int32_t>(u32(b, at));
}

// Colours as 0xRRGGBB.
inline std::uint32_t paletteEntry(const Bytes& b, std::size_t at) {
    return static_cast<std::uint32_t>(b.at(at + 2) << 16 | b.at(at + 1) << 8 | b.at(at));
}

constexpr std::uint32_t kWhite = 0xffffff;

// A card bitmap: 8 bits per pixel, palette after the 40-byte header, no row padding.
struct CardBitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> palette;
    std::vector<std::uint8_t> indices; // top row first
    std::uint32_t rgb(int x, int y) const {
        return palette.at(indices.at(static_cast<std::size_t>(y * width + x)));
    }
    bool operator==(const CardBitmap& other) const {
        if (width != other.width || height != other.height)
            return false;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (rgb(x, y) != other.rgb(x, y))
                    return false;
        return true;
    }
};

inline CardBitmap decodeCardBitmap(const Bytes& b) {
    CardBitmap picture{i32(b, 18), i32(b, 22), {}, {}};
    const std::uint32_t entries = u32(b, 46);
    for (std::uint32_t i = 0; i < entries; ++i)
        picture.palette.push_back(paletteEntry(b, 54 + 4 * i));
    const std::size_t start = u32(b, 10);
    for (int y = picture.height - 1; y >= 0; --y)
        for (int x = 0; x < picture.width; ++x)
            picture.indices.push_back(
                b.at(start + static_cast<std::size_t>(y * picture.width + x)));
    return picture;
}

// One image of an icon or cursor file: palette indices plus the see-through mask.
struct MaskedImage {
    int size = 0;
    int bitsPerPixel = 0;
    std::vector<std::uint32_t> palette;
    std::vector<int> indices; // top row first
    std::vector<bool> clear;
    int index(int x, int y) const { return indices.at(static_cast<std::size_t>(y * size + x)); }
    bool isClear(int x, int y) const { return clear.at(static_cast<std::size_t>(y * size + x)); }
    std::uint32_t rgb(int x, int y) const {
        return palette.at(static_cast<std::size_t>(index(x, y)));
    }
};

// Reads image `entry` of an ICO or CUR file through its directory entry.
inline MaskedImage decodeIconImage(const Bytes& b, int entry) {
    const std::size_t dir = 6 + 16 * static_cast<std::size_t>(entry);
    const std::size_t at = u32(b, dir + 12);
    MaskedImage image{b.at(dir), static_cast<int>(u16(b, at + 14)), {}, {}, {}};
    const int colours = 1 << image.bitsPerPixel;
    for (int i = 0; i < colours; ++i)
        image.palette.push_back(paletteEntry(b, at + 40 + 4 * static_cast<std::size_t>(i)));
    const auto rowBytes = [&](int bits) {
        return static_cast<std::size_t>((image.size * bits + 31) / 32 * 4);
    };
    const std::size_t colourBits = at + 40 + 4 * static_cast<std::size_t>(colours);
    const std::size_t maskBits = colourBits + rowBytes(image.bitsPerPixel) * image.size;
    const auto read = [&](std::size_t base, int bits, int x, int y) {
        const std::size_t row =
            base + rowBytes(bits) * static_cast<std::size_t>(image.size - 1 - y);
        const int bit = x * bits;
        const int byte = b.at(row + static_cast<std::size_t>(bit / 8));
        return byte >> (8 - bits - bit % 8) & ((1 << bits) - 1);
    };
    for (int y = 0; y < image.size; ++y)
        for (int x = 0; x < image.size; ++x) {
            image.indices.push_back(read(colourBits, image.bitsPerPixel, x, y));
            image.clear.push_back(read(maskBits, 1, x, y) == 1);
        }
    return image;
}

} // namespace duomira::test
