#pragma once

#include "GameError.h"

class QWidget;

namespace duomira {

// Tells the player, in Korean, which of the game's errors stopped the last action.
void showGameErrorBox(QWidget* parent, const GameError& error);

} // namespace duomira
