#pragma once

#include "DpiAssets.h"
#include "Gdi.h"
#include "Twips.h"

#include <windows.h>

#include <functional>
#include <string>

namespace duomira {

// The password dialog fmGetPass: modeless and without an owner, so the board
// stays playable. OK hands the typed text to the game, which closes it; only
// OK and the close box close it. It is drawn at the density of the monitor
// it is on.
class PasswordDialog {
public:
    PasswordDialog(HINSTANCE instance, DpiAssets& assets,
                   std::function<void(const std::string&)> answered, std::function<void()> closed);
    ~PasswordDialog();
    PasswordDialog(const PasswordDialog&) = delete;
    PasswordDialog& operator=(const PasswordDialog&) = delete;

    // Creates the dialog, or brings the open one to the front as it is.
    void show();
    // Closes the dialog if it is open.
    void unload();
    // Gives the open dialog its keys (Tab, Enter); true when it took the message.
    bool takeDialogMessage(MSG& message) const;

private:
    static INT_PTR CALLBACK procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam);
    void placeOnScreen() const;
    void createControls();
    void layOut();
    void Command1_Click();
    INT_PTR colourOf(HWND control, HDC dc) const;

    HINSTANCE instance_;
    DpiAssets& assets_;
    int dpi_ = kDesignDpi;
    std::function<void(const std::string&)> answered_;
    std::function<void()> closed_;
    Brush background_;
    Brush tPassBackground_;
    HWND fmGetPass_ = nullptr;
    HWND Command1_ = nullptr;
    HWND tPass_ = nullptr;
    HWND Label1_ = nullptr;
};

} // namespace duomira
