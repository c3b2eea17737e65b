#pragma once

#include "Twips.h"

#include <emscripten/val.h>

#include <optional>
#include <string>

namespace duomira::web {

// A window of the game drawn in the page: the classic raised frame, the
// caption bar with the close box where the window has one, and the client
// area of the designed size. A dialog element where the window is a dialog,
// so that the browser keeps it on top and, when modal, alone takes input.
struct WindowFrame {
    emscripten::val outer;
    emscripten::val client;
    emscripten::val closeBox;
};

enum class FrameKind { Main, Dialog };

WindowFrame makeWindowFrame(FrameKind kind, const std::string& caption, int clientWidth,
                            int clientHeight, bool closeBox);

// The classic scheme's colours as the page's style sheet takes them: custom
// properties of the page's root, --button-face and the like.
void useClassicScheme();

// Places a window in the browser's window: the whole of it, frame included,
// centred, or its client area's corner at a designed place. Where the page
// is too small for it (a phone, a zoom, a small window), the window is
// scaled down as a whole to fit, and moved as little as it takes to lie
// inside. Every window so placed is placed again whenever the page's size
// changes: a resize, a zoom, a turn of the phone.
void placeInPage(const emscripten::val& outer,
                 std::optional<PixelPoint> designedClientCorner = std::nullopt);

// The page comes with the main window's first frame already drawn in its
// HTML (taken at build time from this program's own window after the deal):
// it stays over the program's window until that one's pictures are ready to
// show, then leaves, so that the player sees one window throughout.
void takeOverFirstFrame(const emscripten::val& window);

// A message box as the system shows one: modal, a line of text, an OK button
// that Enter and Escape press as well, and the error icon where asked.
void showMessageBox(const std::string& text, const std::string& title, bool errorIcon);

} // namespace duomira::web
