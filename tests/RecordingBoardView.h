#pragma once

#include "BoardView.h"

#include <array>
#include <string>

namespace duomira::test {

// Keeps what the game last drew, so tests can look at the board the way a
// player would see it.
class RecordingBoardView : public BoardView {
public:
    static constexpr int kBack = -1;

    void ShowFace(Int16 card, Int16 picture) override {
        shown.at(static_cast<std::size_t>(card)) = picture;
    }
    void ShowBack(Int16 card) override { shown.at(static_cast<std::size_t>(card)) = kBack; }
    void SetStatus(const std::string& text) override { status = text; }
    void SetCloseTimer(bool on) override { timerOn = on; }
    void SetBoardVisible(bool on) override { boardVisible = on; }
    void Beep() override { ++beeps; }

    std::array<int, 24> shown{};
    std::string status = "unset";
    bool timerOn = false;
    bool boardVisible = true;
    int beeps = 0;
};

} // namespace duomira::test
