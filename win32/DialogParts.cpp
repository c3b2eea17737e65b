#include "DialogParts.h"

#include "DpiAssets.h"

#include <algorithm>

namespace duomira {

std::vector<WORD> emptyDialogTemplate(DWORD style, DWORD extendedStyle) {
    DLGTEMPLATE header{};
    header.style = style;
    header.dwExtendedStyle = extendedStyle;
    // No controls, no menu, the dialog class, no title: those come in pixels later.
    constexpr std::size_t kHeaderWords = sizeof(DLGTEMPLATE) / sizeof(WORD);
    std::vector<WORD> words(kHeaderWords + 3, 0);
    const auto* bytes = reinterpret_cast<const WORD*>(&header);
    std::copy(bytes, bytes + kHeaderWords, words.begin());
    return words;
}

namespace {

RECT outerOf(HWND window, const RECT& client, int dpi) {
    RECT outer = client;
    AdjustWindowRectExForDpi(&outer, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)),
                             GetMenu(window) != nullptr,
                             static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)),
                             static_cast<UINT>(dpi));
    return outer;
}

} // namespace

void placeClientArea(HWND window, const RECT& clientOnScreen) {
    const RECT outer = outerOf(window, clientOnScreen, dpiOf(window));
    SetWindowPos(window, nullptr, outer.left, outer.top, outer.right - outer.left,
                 outer.bottom - outer.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void resizeClientAroundCentre(HWND window, int width, int height, int dpi) {
    RECT now{};
    GetWindowRect(window, &now);
    const RECT outer = outerOf(window, {0, 0, width, height}, dpi);
    const int outerWidth = outer.right - outer.left;
    const int outerHeight = outer.bottom - outer.top;
    SetWindowPos(window, nullptr, (now.left + now.right - outerWidth) / 2,
                 (now.top + now.bottom - outerHeight) / 2, outerWidth, outerHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void placeControl(HWND control, const PixelRect& place, HFONT font) {
    SetWindowPos(control, nullptr, place.left, place.top, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (font != nullptr)
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

HWND createControl(HWND dialog, const wchar_t* windowClass, const wchar_t* text, DWORD style,
                   const PixelRect& place, int id, HFONT font, DWORD extendedStyle) {
    HWND control = CreateWindowExW(
        extendedStyle, windowClass, text, WS_CHILD | WS_VISIBLE | style, place.left, place.top,
        place.width, place.height, dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog, GWLP_HINSTANCE)), nullptr);
    if (font != nullptr)
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

void setTabOrder(std::initializer_list<HWND> controls) {
    HWND above = HWND_TOP;
    for (HWND control : controls) {
        SetWindowPos(control, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = control;
    }
}

} // namespace duomira
