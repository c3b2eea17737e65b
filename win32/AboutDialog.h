#pragma once

#include "DpiAssets.h"
#include "Twips.h"

#include <windows.h>

#include <functional>

namespace duomira {

// The About dialog frmAbout: modal over the main window, fresh every time,
// at a fixed place on the screen. Its system-information button asks the
// game for the tool and leaves the dialog open. It is drawn at the density of the
// monitor it is on.
class AboutDialog {
public:
    AboutDialog(HINSTANCE instance, DpiAssets& assets, std::function<void()> sysInfo);
    // The window procedure holds on to this object.
    AboutDialog(const AboutDialog&) = delete;
    AboutDialog& operator=(const AboutDialog&) = delete;

    // Returns when the dialog has closed.
    void showModal(HWND owner);

private:
    static INT_PTR CALLBACK procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls();
    void layOut();
    void Form_Load();
    void cmdSysInfo_Click();
    void paintLines() const;

    HINSTANCE instance_;
    DpiAssets& assets_;
    int dpi_ = kDesignDpi;
    std::function<void()> sysInfo_;
    HWND frmAbout_ = nullptr;
};

} // namespace duomira
