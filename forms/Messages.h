#pragma once

#include "GameError.h"

namespace duomira {

// The one button of every message box the game shows itself.
inline constexpr char kOkCaption[] = "확인";

// What the player reads when one of the game's own errors stops an action.
const char* gameErrorText(GameErrorKind kind);

} // namespace duomira
