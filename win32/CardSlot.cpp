#include "CardSlot.h"

#include "Boundary.h"
#include "MainForm.h"
#include "Pictures.h"

#include <windowsx.h>

namespace duomira {

namespace {

// The window's own words: the picture it shows, and whether a left press
// began on it.
constexpr int kPictureSlot = 0;
constexpr int kPressedSlot = static_cast<int>(sizeof(LONG_PTR));
constexpr int kExtraBytes = 2 * static_cast<int>(sizeof(LONG_PTR));

void setPressed(HWND slot, bool pressed) {
    SetWindowLongPtrW(slot, kPressedSlot, pressed ? 1 : 0);
}

bool isPressed(HWND slot) {
    return GetWindowLongPtrW(slot, kPressedSlot) != 0;
}

// The picture and the sunken border around it.
SIZE slotSize(HBITMAP picture) {
    const SIZE size = pictureSize(picture);
    const int border = 2 * form1::kSlotBorderPixels;
    return {size.cx + border, size.cy + border};
}

void fitPicture(HWND slot, HBITMAP picture) {
    const SIZE size = slotSize(picture);
    RECT box{};
    GetWindowRect(slot, &box);
    if (box.right - box.left == size.cx && box.bottom - box.top == size.cy)
        return;
    SetWindowPos(slot, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void paint(HWND slot) {
    PAINTSTRUCT paint{};
    HDC target = BeginPaint(slot, &paint);
    if (HBITMAP picture = shownPicture(slot)) {
        HDC source = CreateCompatibleDC(target);
        const HGDIOBJ previous = SelectObject(source, picture);
        const SIZE size = pictureSize(picture);
        BitBlt(target, 0, 0, size.cx, size.cy, source, 0, 0, SRCCOPY);
        SelectObject(source, previous);
        DeleteDC(source);
    }
    EndPaint(slot, &paint);
}

// The release counts where the box is seen, its border included.
bool releasedOver(HWND slot, LPARAM position) {
    POINT point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    ClientToScreen(slot, &point);
    RECT box{};
    GetWindowRect(slot, &box);
    return PtInRect(&box, point) != FALSE;
}

void release(HWND slot, LPARAM position) {
    const bool click = isPressed(slot) && releasedOver(slot, position);
    setPressed(slot, false);
    ReleaseCapture();
    if (click) {
        const auto id = static_cast<WORD>(GetDlgCtrlID(slot));
        SendMessageW(GetParent(slot), WM_COMMAND, MAKEWPARAM(id, STN_CLICKED),
                     reinterpret_cast<LPARAM>(slot));
    }
}

LRESULT handle(HWND slot, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        paint(slot);
        return 0;
    case WM_LBUTTONDOWN:
        setPressed(slot, true);
        SetCapture(slot);
        return 0;
    case WM_LBUTTONUP:
        release(slot, lParam);
        return 0;
    case WM_LBUTTONDBLCLK:
        // The second press of a double click: no click begins here.
        return 0;
    case WM_CAPTURECHANGED:
        setPressed(slot, false);
        return 0;
    default:
        return DefWindowProcW(slot, message, wParam, lParam);
    }
}

LRESULT CALLBACK cardSlotProcedure(HWND slot, UINT message, WPARAM wParam, LPARAM lParam) {
    return atWindowBoundary<LRESULT>([&] { return handle(slot, message, wParam, lParam); });
}

} // namespace

void registerCardSlotClass(HINSTANCE instance) {
    WNDCLASSEXW type{};
    type.cbSize = sizeof type;
    type.style = CS_DBLCLKS;
    type.lpfnWndProc = cardSlotProcedure;
    type.cbWndExtra = kExtraBytes;
    type.hInstance = instance;
    // The board's hand stops at the cards.
    type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    type.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    type.lpszClassName = kCardSlotClass;
    RegisterClassExW(&type);
}

// Under Wine every window call is a trip to its server, which is most of
// the start-up's time: a slot is made at its final size, without a caption,
// and a new picture of the same size resizes nothing.
HWND createCardSlot(HWND parent, int id, POINT corner, HBITMAP picture, bool visible) {
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (visible ? WS_VISIBLE : 0);
    const SIZE size = slotSize(picture);
    HWND slot = CreateWindowExW(
        WS_EX_CLIENTEDGE, kCardSlotClass, nullptr, style, corner.x, corner.y, size.cx, size.cy,
        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
    SetWindowLongPtrW(slot, kPictureSlot, reinterpret_cast<LONG_PTR>(picture));
    return slot;
}

void showPicture(HWND slot, HBITMAP picture) {
    SetWindowLongPtrW(slot, kPictureSlot, reinterpret_cast<LONG_PTR>(picture));
    fitPicture(slot, picture);
    InvalidateRect(slot, nullptr, FALSE);
}

HBITMAP shownPicture(HWND slot) {
    return reinterpret_cast<HBITMAP>(GetWindowLongPtrW(slot, kPictureSlot));
}

} // namespace duomira
