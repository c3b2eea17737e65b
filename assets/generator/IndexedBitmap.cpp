#include "IndexedBitmap.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>

namespace duomira::art {

namespace {

constexpr QRgb kWhite = 0xffffffff;

struct Swatch {
    std::array<int, 3> rgb;
    std::int64_t count;
};

using Box = std::vector<Swatch>;

std::array<int, 3> channels(QRgb c) {
    return {qRed(c), qGreen(c), qBlue(c)};
}

// Green weighs most, as it does for the eye.
std::int64_t distance(const std::array<int, 3>& a, const std::array<int, 3>& b) {
    const std::int64_t dr = a[0] - b[0], dg = a[1] - b[1], db = a[2] - b[2];
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

std::array<int, 3> range(const Box& box) {
    std::array<int, 3> lo{255, 255, 255}, hi{0, 0, 0};
    for (const Swatch& s : box)
        for (int c = 0; c < 3; ++c) {
            lo[c] = std::min(lo[c], s.rgb[c]);
            hi[c] = std::max(hi[c], s.rgb[c]);
        }
    return {hi[0] - lo[0], hi[1] - lo[1], hi[2] - lo[2]};
}

std::int64_t population(const Box& box) {
    std::int64_t n = 0;
    for (const Swatch& s : box)
        n += s.count;
    return n;
}

// The box whose split helps most: wide in colour and heavily used.
std::int64_t splitScore(const Box& box) {
    if (box.size() < 2)
        return -1;
    const auto r = range(box);
    const std::int64_t widest = *std::max_element(r.begin(), r.end());
    return widest * widest * population(box);
}

void splitAtMedian(std::vector<Box>& boxes, std::size_t which) {
    Box& box = boxes[which];
    const auto r = range(box);
    const int axis = static_cast<int>(std::max_element(r.begin(), r.end()) - r.begin());
    std::stable_sort(box.begin(), box.end(), [axis](const Swatch& a, const Swatch& b) {
        return a.rgb[axis] < b.rgb[axis];
    });
    const std::int64_t half = population(box) / 2;
    std::int64_t seen = 0;
    std::size_t cut = 1;
    for (; cut < box.size() - 1; ++cut) {
        seen += box[cut - 1].count;
        if (seen >= half)
            break;
    }
    Box upper(box.begin() + static_cast<std::ptrdiff_t>(cut), box.end());
    box.resize(cut);
    boxes.push_back(std::move(upper));
}

std::array<int, 3> mean(const std::vector<std::array<std::int64_t, 4>>& sums, std::size_t i) {
    const std::int64_t n = sums[i][3];
    return {static_cast<int>((sums[i][0] + n / 2) / n), static_cast<int>((sums[i][1] + n / 2) / n),
            static_cast<int>((sums[i][2] + n / 2) / n)};
}

std::size_t nearest(const std::vector<std::array<int, 3>>& palette, const std::array<int, 3>& c) {
    std::size_t best = 0;
    for (std::size_t i = 1; i < palette.size(); ++i)
        if (distance(palette[i], c) < distance(palette[best], c))
            best = i;
    return best;
}

// A few rounds of moving each colour to the centre of the pixels nearest to it.
void refine(std::vector<std::array<int, 3>>& palette, const std::vector<Swatch>& swatches) {
    for (int round = 0; round < 8; ++round) {
        std::vector<std::array<std::int64_t, 4>> sums(palette.size(), {0, 0, 0, 0});
        for (const Swatch& s : swatches) {
            auto& sum = sums[nearest(palette, s.rgb)];
            for (int c = 0; c < 3; ++c)
                sum[c] += s.rgb[c] * s.count;
            sum[3] += s.count;
        }
        for (std::size_t i = 1; i < palette.size(); ++i) // white stays white
            if (sums[i][3] > 0)
                palette[i] = mean(sums, i);
    }
}

std::vector<std::array<int, 3>> choosePalette(const std::vector<Swatch>& swatches, int maxColours) {
    std::vector<std::array<int, 3>> palette{channels(kWhite)};
    Box coloured;
    for (const Swatch& s : swatches)
        if (s.rgb != palette[0])
            coloured.push_back(s);
    if (static_cast<int>(coloured.size()) < maxColours) {
        for (const Swatch& s : coloured)
            palette.push_back(s.rgb);
        return palette;
    }
    std::vector<Box> boxes{coloured};
    while (static_cast<int>(boxes.size()) < maxColours - 1) {
        std::size_t best = 0;
        for (std::size_t i = 1; i < boxes.size(); ++i)
            if (splitScore(boxes[i]) > splitScore(boxes[best]))
                best = i;
        if (splitScore(boxes[best]) < 0)
            break;
        splitAtMedian(boxes, best);
    }
    for (const Box& box : boxes) {
        std::vector<std::array<std::int64_t, 4>> sum(1, {0, 0, 0, 0});
        for (const Swatch& s : box) {
            for (int c = 0; c < 3; ++c)
                sum[0][c] += s.rgb[c] * s.count;
            sum[0][3] += s.count;
        }
        palette.push_back(mean(sum, 0));
    }
    refine(palette, swatches);
    return palette;
}

} // namespace

IndexedBitmap quantise(const QImage& drawing, int maxColours) {
    const QImage opaque = drawing.convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, std::int64_t> histogram;
    for (int y = 0; y < opaque.height(); ++y)
        for (int x = 0; x < opaque.width(); ++x)
            ++histogram[opaque.pixel(x, y) | 0xff000000];
    std::vector<Swatch> swatches;
    for (const auto& [colour, count] : histogram)
        swatches.push_back({channels(colour), count});

    const auto chosen = choosePalette(swatches, maxColours);
    std::vector<std::size_t> used(chosen.size(), 0);
    IndexedBitmap result{opaque.width(), opaque.height(), {}, {}};
    std::vector<std::size_t> raw;
    raw.reserve(static_cast<std::size_t>(opaque.width() * opaque.height()));
    for (int y = 0; y < opaque.height(); ++y)
        for (int x = 0; x < opaque.width(); ++x) {
            const std::size_t i = nearest(chosen, channels(opaque.pixel(x, y)));
            ++used[i];
            raw.push_back(i);
        }
    // Drop colours that no pixel ended up with; white keeps entry 0.
    std::vector<int> renumber(chosen.size(), -1);
    for (std::size_t i = 0; i < chosen.size(); ++i)
        if (i == 0 || used[i] > 0) {
            renumber[i] = static_cast<int>(result.palette.size());
            result.palette.push_back(qRgb(chosen[i][0], chosen[i][1], chosen[i][2]));
        }
    for (std::size_t i : raw)
        result.pixels.push_back(static_cast<std::uint8_t>(renumber[i]));
    return result;
}

} // namespace duomira::art
