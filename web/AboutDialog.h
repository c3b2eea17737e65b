#pragma once

#include "SysInfoPlatform.h"
#include "WebAssets.h"
#include "WindowFrame.h"

#include <memory>

namespace duomira::web {

// The About dialog frmAbout: modal, at its fixed place in the page, its
// texts as designed; OK, Enter or Escape close it, and the system-information
// button says the tool is unavailable here.
class AboutDialog {
public:
    explicit AboutDialog(const WebAssets& assets);
    void showModal();

private:
    void createControls();
    void Form_Load();
    void cmdSysInfo_Click();

    const WebAssets& assets_;
    WindowFrame frame_;
    emscripten::val cmdOK_;
    emscripten::val picture_;
    std::unique_ptr<SysInfoPlatform> platform_;
};

} // namespace duomira::web
