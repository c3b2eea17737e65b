#pragma once

#include "GameError.h"

namespace duomira {

// The one button of every message box the game shows itself.
inline constexpr char kOkCaption[] = "확인";
// What a screen reader calls a window's close box where the game draws it itself.
inline constexpr char kCloseCaption[] = "닫기";

// What the player reads when one of the game's own errors stops an action.
const char* gameErrorText(GameErrorKind kind);

} // namespace duomira
