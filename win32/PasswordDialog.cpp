#include "PasswordDialog.h"

#include "ControlIds.h"
#include "DialogParts.h"
#include "FormTypes.h"
#include "Messages.h"
#include "PasswordForm.h"
#include "Text.h"
#include "WindowObject.h"
#include "WindowPlacement.h"

#include <utility>

namespace duomira {

namespace {

// A tool window keeps out of the task bar and has no icon; the frame is fixed
// and the title bar holds the close box alone.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kExtendedStyle = WS_EX_TOOLWINDOW;

} // namespace

PasswordDialog::PasswordDialog(HINSTANCE instance, DpiAssets& assets,
                               std::function<void(const std::string&)> answered,
                               std::function<void()> closed)
    : instance_(instance), assets_(assets), answered_(std::move(answered)),
      closed_(std::move(closed)), background_(CreateSolidBrush(toColorRef(fmGetPass::kBackground))),
      tPassBackground_(CreateSolidBrush(toColorRef(fmGetPass::kTPassBackground))) {}

PasswordDialog::~PasswordDialog() {
    // The program is ending: the window goes with the process, unannounced.
    if (fmGetPass_ != nullptr)
        attach<PasswordDialog>(fmGetPass_, nullptr);
}

void PasswordDialog::show() {
    if (fmGetPass_ == nullptr) {
        const std::vector<WORD> layout = emptyDialogTemplate(kStyle, kExtendedStyle);
        CreateDialogIndirectParamW(instance_, reinterpret_cast<const DLGTEMPLATE*>(layout.data()),
                                   nullptr, procedure, reinterpret_cast<LPARAM>(this));
    }
    ShowWindow(fmGetPass_, SW_SHOW);
    SetForegroundWindow(fmGetPass_);
}

void PasswordDialog::unload() {
    if (fmGetPass_ != nullptr)
        DestroyWindow(fmGetPass_);
}

bool PasswordDialog::takeDialogMessage(MSG& message) const {
    return fmGetPass_ != nullptr && IsDialogMessageW(fmGetPass_, &message) != FALSE;
}

INT_PTR CALLBACK PasswordDialog::procedure(HWND dialog, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    return forwardToDialog(dialog, message, wParam, lParam, &PasswordDialog::fmGetPass_,
                           &PasswordDialog::handle);
}

INT_PTR PasswordDialog::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        SetWindowTextW(fmGetPass_, widen(fmGetPass::kCaption).c_str());
        dpi_ = dpiOf(fmGetPass_);
        placeOnScreen();
        createControls();
        layOut();
        SetFocus(tPass_);
        return FALSE; // the focus is set
    case WM_COMMAND:
        // Escape reaches here as IDCANCEL: nothing is the cancel button.
        if (LOWORD(wParam) == IDOK)
            Command1_Click();
        return TRUE;
    case WM_DPICHANGED:
        // Moved to a monitor of another scale; a posted one changes nothing.
        if (const int dpi = dpiOf(fmGetPass_); dpi != dpi_) {
            dpi_ = dpi;
            resizeClientAroundCentre(fmGetPass_, twipsToPixels(fmGetPass::kClientWidth, dpi_),
                                     twipsToPixels(fmGetPass::kClientHeight, dpi_), dpi_);
            layOut();
        }
        return TRUE;
    case WM_CLOSE:
        // The close box; the dialog manager would make an IDCANCEL of it.
        unload();
        return TRUE;
    case WM_NCDESTROY:
        attach<PasswordDialog>(fmGetPass_, nullptr);
        fmGetPass_ = nullptr;
        closed_();
        return TRUE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
        return colourOf(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
    default:
        return FALSE;
    }
}

// Centred on the screen: the dialog has no owner to centre on, and the main
// window itself starts centred on the screen.
void PasswordDialog::placeOnScreen() const {
    const int width = twipsToPixels(fmGetPass::kClientWidth, dpi_);
    const int height = twipsToPixels(fmGetPass::kClientHeight, dpi_);
    placeClientArea(fmGetPass_, {0, 0, width, height});
    centreOnScreen(fmGetPass_);
}

// Made empty; layOut gives them their places and fonts.
void PasswordDialog::createControls() {
    Command1_ = createControl(fmGetPass_, L"BUTTON", widen(kOkCaption).c_str(),
                              WS_TABSTOP | BS_DEFPUSHBUTTON, {}, IDOK, nullptr);
    // Made empty, as the dialog's load leaves it.
    tPass_ = createControl(fmGetPass_, L"EDIT", L"", WS_TABSTOP | ES_PASSWORD | ES_AUTOHSCROLL, {},
                           kTPassId, nullptr, WS_EX_CLIENTEDGE);
    SendMessageW(tPass_, EM_SETPASSWORDCHAR, static_cast<WPARAM>(fmGetPass::kPasswordCharacter), 0);
    Label1_ = createControl(fmGetPass_, L"STATIC", widen(fmGetPass::kLabel1Caption).c_str(),
                            SS_LEFT | SS_NOPREFIX, {}, kLabel1Id, nullptr);
    // A screen reader names an edit by the text just above it in z-order; the
    // label takes no tab stop, so the box and OK keep their order.
    setTabOrder({Label1_, tPass_, Command1_});
}

void PasswordDialog::layOut() {
    const GameFonts& fonts = assets_.fonts(dpi_);
    placeControl(Command1_, toPixels(fmGetPass::kCommand1, dpi_), fonts.command1.get());
    placeControl(tPass_, toPixels(fmGetPass::kTPass, dpi_), fonts.tPass.get());
    placeControl(Label1_, toPixels(fmGetPass::kLabel1, dpi_), fonts.label1.get());
}

void PasswordDialog::Command1_Click() {
    answered_(windowText(tPass_));
}

INT_PTR PasswordDialog::colourOf(HWND control, HDC dc) const {
    const bool isEntry = control == tPass_;
    SetBkColor(dc, toColorRef(isEntry ? fmGetPass::kTPassBackground : fmGetPass::kBackground));
    return reinterpret_cast<INT_PTR>(isEntry ? tPassBackground_.get() : background_.get());
}

} // namespace duomira
