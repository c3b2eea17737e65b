#pragma once

#include "WebAssets.h"
#include "WindowFrame.h"

#include <functional>

namespace duomira::web {

// The About dialog frmAbout: modal, at its fixed place in the page, its
// texts as designed; OK, Enter or Escape close it, and the system-information
// button asks the game for the tool, which is unavailable here.
class AboutDialog {
public:
    AboutDialog(const WebAssets& assets, std::function<void()> sysInfo);
    void showModal();

private:
    void createControls();
    void Form_Load();
    void cmdSysInfo_Click();

    const WebAssets& assets_;
    WindowFrame frame_;
    emscripten::val cmdOK_;
    emscripten::val picture_;
    std::function<void()> sysInfo_;
};

} // namespace duomira::web
