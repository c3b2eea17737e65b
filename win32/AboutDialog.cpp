#include "AboutDialog.h"

#include "AboutForm.h"
#include "CardSlot.h"
#include "ControlIds.h"
#include "DialogParts.h"
#include "FormTypes.h"
#include "Messages.h"
#include "Text.h"
#include "WindowObject.h"

#include <utility>
#include <vector>

namespace duomira {

namespace {

// A fixed dialog frame with the close box alone; owned by the main window,
// so it has no task-bar entry of its own.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;

struct OtherWindows {
    HWND owner;
    std::vector<HWND> disabled;
};

BOOL CALLBACK disableOther(HWND window, LPARAM others) {
    auto& found = *reinterpret_cast<OtherWindows*>(others);
    if (window != found.owner && IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        found.disabled.push_back(window);
    }
    return TRUE;
}

} // namespace

AboutDialog::AboutDialog(HINSTANCE instance, DpiAssets& assets, std::function<void()> sysInfo)
    : instance_(instance), assets_(assets), sysInfo_(std::move(sysInfo)) {}

// Modal to the whole program: the system disables the owner, and About the
// program's other windows (the password dialog), each given back after.
void AboutDialog::showModal(HWND owner) {
    OtherWindows others{owner, {}};
    EnumThreadWindows(GetCurrentThreadId(), disableOther, reinterpret_cast<LPARAM>(&others));
    const std::vector<WORD> layout = emptyDialogTemplate(kStyle, 0);
    DialogBoxIndirectParamW(instance_, reinterpret_cast<const DLGTEMPLATE*>(layout.data()), owner,
                            procedure, reinterpret_cast<LPARAM>(this));
    for (HWND window : others.disabled)
        if (IsWindow(window))
            EnableWindow(window, TRUE);
}

INT_PTR CALLBACK AboutDialog::procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return forwardToDialog(dialog, message, wParam, lParam, &AboutDialog::frmAbout_,
                           &AboutDialog::handle);
}

INT_PTR AboutDialog::handle(UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    switch (message) {
    case WM_INITDIALOG:
        dpi_ = dpiOf(frmAbout_);
        placeClientArea(frmAbout_, toRect(toPixels(frmAbout::kClient, dpi_)));
        createControls();
        layOut();
        Form_Load();
        SetFocus(GetDlgItem(frmAbout_, IDOK));
        return FALSE; // the focus is set
    case WM_COMMAND:
        // cmdOK is the default and the cancel button: Enter, Escape and the
        // close box all arrive as one of its two identifiers.
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            EndDialog(frmAbout_, LOWORD(wParam));
        else if (LOWORD(wParam) == kCmdSysInfoId && HIWORD(wParam) == BN_CLICKED)
            cmdSysInfo_Click();
        return TRUE;
    case WM_DPICHANGED:
        // Moved to a monitor of another scale; a posted one changes nothing.
        if (const int dpi = dpiOf(frmAbout_); dpi != dpi_) {
            dpi_ = dpi;
            const PixelRect client = toPixels(frmAbout::kClient, dpi_);
            resizeClientAroundCentre(frmAbout_, client.width, client.height, dpi_);
            layOut();
            InvalidateRect(frmAbout_, nullptr, TRUE);
        }
        return TRUE;
    case WM_PAINT:
        paintLines();
        return TRUE;
    case WM_CTLCOLORSTATIC:
        SetTextColor(reinterpret_cast<HDC>(wParam), toColorRef(frmAbout::kTextColour));
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_NCDESTROY:
        attach<AboutDialog>(frmAbout_, nullptr);
        frmAbout_ = nullptr;
        return TRUE;
    default:
        return FALSE;
    }
}

// Made empty; layOut gives them their places, fonts and picture.
void AboutDialog::createControls() {
    HWND picIcon = createCardSlot(frmAbout_, kPicIconId, {}, nullptr, true);
    HWND cmdOK = createControl(frmAbout_, L"BUTTON", widen(kOkCaption).c_str(),
                               WS_TABSTOP | BS_DEFPUSHBUTTON, {}, IDOK, nullptr);
    HWND cmdSysInfo =
        createControl(frmAbout_, L"BUTTON", widen(frmAbout::kCmdSysInfoCaption).c_str(),
                      WS_TABSTOP | BS_PUSHBUTTON, {}, kCmdSysInfoId, nullptr);
    HWND lblDescription =
        createControl(frmAbout_, L"STATIC", widen(frmAbout::descriptionText()).c_str(),
                      SS_LEFT | SS_NOPREFIX, {}, kLblDescriptionId, nullptr);
    HWND lblTitle = createControl(frmAbout_, L"STATIC", widen(frmAbout::kLblTitleCaption).c_str(),
                                  SS_LEFT | SS_NOPREFIX, {}, kLblTitleId, nullptr);
    setTabOrder({cmdOK, picIcon, cmdSysInfo, lblDescription, lblTitle});
}

void AboutDialog::layOut() {
    const Pictures& pictures = assets_.pictures(dpi_);
    const GameFonts& fonts = assets_.fonts(dpi_);
    SendMessageW(frmAbout_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(pictures.aboutIcon()));
    SendMessageW(frmAbout_, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(pictures.aboutIconSmall()));
    const auto control = [this](int id) { return GetDlgItem(frmAbout_, id); };
    const PixelRect picture = toPixels(frmAbout::kPicIcon, dpi_);
    SetWindowPos(control(kPicIconId), nullptr, picture.left, picture.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    showPicture(control(kPicIconId), pictures.aboutPicture());
    placeControl(control(IDOK), toPixels(frmAbout::kCmdOK, dpi_), fonts.aboutForm.get());
    placeControl(control(kCmdSysInfoId), toPixels(frmAbout::kCmdSysInfo, dpi_),
                 fonts.aboutForm.get());
    placeControl(control(kLblDescriptionId), toPixels(frmAbout::kLblDescription, dpi_),
                 fonts.aboutForm.get());
    placeControl(control(kLblTitleId), toPixels(frmAbout::kLblTitle, dpi_), fonts.lblTitle.get());
}

void AboutDialog::Form_Load() {
    SetWindowTextW(frmAbout_, widen(frmAbout::kCaption).c_str());
}

void AboutDialog::cmdSysInfo_Click() {
    sysInfo_();
}

// The two elements of Line1, the grey one first: together an etched separator.
void AboutDialog::paintLines() const {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(frmAbout_, &paint);
    for (const frmAbout::LineBand& line : frmAbout::line1Bands(dpi_)) {
        const RECT band = toRect(line.band);
        HBRUSH colour = CreateSolidBrush(toColorRef(line.colour));
        FillRect(dc, &band, colour);
        DeleteObject(colour);
    }
    EndPaint(frmAbout_, &paint);
}

} // namespace duomira
