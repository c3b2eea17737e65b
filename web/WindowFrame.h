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

// The whole window, frame included, centred in the browser's window.
void centreInPage(const emscripten::val& outer);

// A message box as the system shows one: modal, a line of text, an OK button
// that Enter and Escape press as well, and the error icon where asked.
void showMessageBox(const std::string& text, const std::string& title, bool errorIcon);

} // namespace duomira::web
