#pragma once

#include "WindowFrame.h"

#include <emscripten/val.h>

#include <functional>

namespace duomira::web {

// The password dialog fmGetPass: modeless and one at a time, peach, the
// typed text shown as asterisks; OK or Enter reveals every card when the text
// reads as the access number, and closes the dialog either way. Escape does
// not close it; the close box does.
class PasswordDialog {
public:
    PasswordDialog(std::function<void()> allOpen, std::function<void()> closed);

    // Loads the dialog where it is not up; brings it to the front either way.
    void show();

private:
    void unload();
    void createControls();
    void Form_Load();
    void Command1_Click();

    std::function<void()> allOpen_;
    std::function<void()> closed_;
    WindowFrame frame_;
    emscripten::val tPass_;
};

} // namespace duomira::web
