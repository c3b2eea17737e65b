#pragma once

#include "Int16.h"

#include <string>

namespace duomira {

// Everything the game shows goes through these operations; the window
// implements them, tests record them.
class BoardView {
public:
    virtual ~BoardView() = default;
    virtual void ShowFace(Int16 card, Int16 picture) = 0;
    virtual void ShowBack(Int16 card) = 0;
    virtual void SetStatus(const std::string& text) = 0; // UTF-8
    virtual void SetCloseTimer(bool on) = 0;
    virtual void SetBoardVisible(bool on) = 0;
    virtual void Beep() = 0;
};

} // namespace duomira
