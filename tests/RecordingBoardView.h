#pragma once

#include "BoardView.h"

#include <array>
#include <string>
#include <vector>

namespace duomira::test {

// Keeps what the game last drew, plus a log of every call, so tests can look
// at the board the way a player would see it.
class RecordingBoardView : public BoardView {
public:
    static constexpr int kBack = -1;

    void ShowFace(Int16 card, Int16 picture) override {
        shown.at(static_cast<std::size_t>(card)) = picture;
        log.push_back("face " + std::to_string(card) + " " + std::to_string(picture));
    }
    void ShowBack(Int16 card) override {
        shown.at(static_cast<std::size_t>(card)) = kBack;
        log.push_back("back " + std::to_string(card));
    }
    void SetStatus(const std::string& text) override {
        status = text;
        log.push_back("status " + text);
    }
    void SetCloseTimer(bool on) override {
        timerOn = on;
        log.push_back(on ? "timer on" : "timer off");
    }
    void SetBoardVisible(bool on) override {
        boardVisible = on;
        log.push_back(on ? "board shown" : "board hidden");
    }
    void Beep() override {
        ++beeps;
        log.push_back("beep");
    }

    std::array<int, 24> shown{};
    std::string status = "unset";
    bool timerOn = false;
    bool boardVisible = true;
    int beeps = 0;
    std::vector<std::string> log;
};

} // namespace duomira::test
