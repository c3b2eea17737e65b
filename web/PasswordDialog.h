#pragma once

#include "WindowFrame.h"

#include <emscripten/val.h>

#include <functional>
#include <string>

namespace duomira::web {

// The password dialog fmGetPass: modeless, peach, the typed text shown as
// asterisks; OK or Enter hands the text to the game, which closes the
// dialog. Escape does not close it; the close box does.
class PasswordDialog {
public:
    PasswordDialog(std::function<void(const std::string&)> answered, std::function<void()> closed);

    // Brings the dialog to the front; with load, shows it anew with its box empty.
    void show(bool load);
    // Closes the dialog if it is up.
    void unload();

private:
    void createControls();
    void Form_Load();
    void Command1_Click();

    std::function<void(const std::string&)> answered_;
    std::function<void()> closed_;
    WindowFrame frame_;
    emscripten::val tPass_;
};

} // namespace duomira::web
