#pragma once

#include "Fonts.h"
#include "Gdi.h"

#include <vector>

namespace duomira {

// The game's own fonts, the program file's RCDATA, added for this process
// alone while it runs, and only where the system lacks a face of the design.
class GameFontResources {
public:
    GameFontResources();
    ~GameFontResources();
    GameFontResources(const GameFontResources&) = delete;
    GameFontResources& operator=(const GameFontResources&) = delete;

private:
    std::vector<HANDLE> added_;
};

// Every font the windows use at one density, each at its point size for
// those dots per inch. The design's faces are Windows fonts; where one is
// missing the first installed family of its stand-ins takes its place, in the
// end the game's own (GameFontResources adds them first).
struct GameFonts {
    explicit GameFonts(int dpi);

    Font canvas;
    Font command1;
    Font tPass;
    Font label1;
    Font lblTitle;
    Font aboutForm;
};

} // namespace duomira
