#pragma once

#include "GameFonts.h"
#include "Pictures.h"

#include <windows.h>

#include <map>
#include <memory>

namespace duomira {

// The pictures and fonts of every density the program's windows meet, made
// the first time a window of that density asks and kept until the program
// ends: a window that moves to a monitor of another scale takes the new set,
// and a dialog still showing the old one keeps it alive.
class DpiAssets {
public:
    explicit DpiAssets(HINSTANCE instance) : instance_(instance) {}

    const Pictures& pictures(int dpi);
    const GameFonts& fonts(int dpi);

private:
    HINSTANCE instance_;
    GameFontResources added_;
    std::map<int, std::unique_ptr<Pictures>> pictures_;
    std::map<int, std::unique_ptr<GameFonts>> fonts_;
};

// The density a window is drawn at.
int dpiOf(HWND window);

} // namespace duomira
