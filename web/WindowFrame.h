#pragma once

#include "Twips.h"

#include <emscripten/val.h>

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

// The whole window, frame included, centred in the browser's window.
void centreInPage(const emscripten::val& outer);

// The page comes with the main window's first frame already drawn in its
// HTML (taken at build time from this program's own window after the deal):
// it stays over the program's window until that one's pictures are ready to
// show, then leaves, so that the player sees one window throughout.
void takeOverFirstFrame(const emscripten::val& window);

// A message box as the system shows one: modal, a line of text, an OK button
// that Enter and Escape press as well, and the error icon where asked.
void showMessageBox(const std::string& text, const std::string& title, bool errorIcon);

} // namespace duomira::web
