#include "MainForm.h"

#include "BoardModel.h"

#include <cstdint>

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

void runCommand(Command command, MenuCommands& window) {
    switch (command) {
    case Command::About:
        window.mnuabout_Click();
        break;
    case Command::End:
        window.mnuEnd_Click();
        break;
    case Command::Start:
        window.mnuStart_Click();
        break;
    case Command::Password:
        window.mnuOpen_Click();
        break;
    case Command::None:
        break;
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

} // namespace duomira::form1
