#include "MainForm.h"

#include "BoardModel.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace duomira::form1 {

namespace {

// Rounds to the nearest whole number, a tie going to the even neighbour.
long long roundHalfEven(double value) {
    return std::llrint(value);
}

Int16 gridPitch(double frameLength, Int16 origin, int cells) {
    const auto span = static_cast<std::int32_t>(roundHalfEven(frameLength - origin));
    return toInt16(span / cells);
}

} // namespace

void buildMenuBar(MenuBuilder& builder) {
    const std::size_t count = std::size(kMenu);
    for (std::size_t i = 0; i < count; ++i) {
        const MenuEntry& entry = kMenu[i];
        const bool hasItems = i + 1 < count && !kMenu[i + 1].isTitle;
        if (entry.isTitle && hasItems)
            builder.addMenu(entry.caption);
        else if (entry.isTitle)
            builder.addTitle(entry.caption, i + 1 == count);
        else if (isSeparator(entry))
            builder.addSeparator();
        else
            builder.addItem(entry.caption, entry.command);
    }
}

CardGrid measureCardGrid() {
    CardGrid grid{};
    grid.OriginX = toInt16(roundHalfEven(kSlotLeft));
    grid.OriginY = toInt16(roundHalfEven(kSlotTop));
    grid.StepX = gridPitch(kCanvas.width, grid.OriginX, kColumns);
    grid.StepY = gridPitch(kCanvas.height, grid.OriginY, kRows);
    return grid;
}

Int16 CardGrid::left(int Pos) const {
    return add16(mul16(static_cast<Int16>(Pos % kColumns), StepX), OriginX);
}

Int16 CardGrid::top(int Pos) const {
    return add16(mul16(static_cast<Int16>(Pos / kColumns), StepY), OriginY);
}

PixelPoint CardGrid::corner(int Pos, int dpi) const {
    return {twipsToPixels(left(Pos), dpi), twipsToPixels(top(Pos), dpi)};
}

PixelRect seenPart(const PixelRect& part, const PixelRect& slot, int frameWidth, int frameHeight,
                   const PixelRect* nextSlot) {
    int left = std::max(slot.left + part.left, 0);
    int top = std::max(slot.top + part.top, 0);
    int right = std::min(slot.left + part.left + part.width, frameWidth);
    const int bottom = std::min(slot.top + part.top + part.height, frameHeight);
    if (nextSlot != nullptr && nextSlot->left > left && nextSlot->top < bottom &&
        nextSlot->top + nextSlot->height > top)
        right = std::min(right, nextSlot->left);
    return {left - slot.left, top - slot.top, std::max(right - left, 0), std::max(bottom - top, 0)};
}

} // namespace duomira::form1
