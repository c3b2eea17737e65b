#pragma once

#include "Fonts.h"
#include "Gdi.h"

namespace duomira {

// Every font the windows use, created once at start and deleted at exit. The
// design's faces are Windows fonts; where one is missing the first installed
// family of its stand-ins takes its place.
struct GameFonts {
    GameFonts();

    Font canvas;
    Font command1;
    Font tPass;
    Font label1;
    Font lblTitle;
    Font aboutForm;
};

} // namespace duomira
