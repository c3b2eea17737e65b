#include "CardSlot.h"

#include "BoardAccess.h"
#include "Boundary.h"
#include "CardAccessible.h"
#include "ControlIds.h"
#include "GameController.h"
#include "MainForm.h"
#include "Pictures.h"

#include <windowsx.h>

#include <algorithm>
#include <iterator>
#include <optional>

namespace duomira {

namespace {

// The window's own words: the picture it shows, the game it is a card of
// (none for a plain picture box), whether it has the focus (asking the
// system costs a trip to Wine's server for each card the board draws), and
// whether it marks the focus.
constexpr int kPictureSlot = 0;
constexpr int kGameSlot = static_cast<int>(sizeof(LONG_PTR));
constexpr int kFocusSlot = 2 * static_cast<int>(sizeof(LONG_PTR));
constexpr int kMarkSlot = 3 * static_cast<int>(sizeof(LONG_PTR));
constexpr int kExtraBytes = 4 * static_cast<int>(sizeof(LONG_PTR));

GameController* gameOf(HWND slot) {
    return reinterpret_cast<GameController*>(GetWindowLongPtrW(slot, kGameSlot));
}

int cardOf(HWND slot) {
    return GetDlgCtrlID(slot) - kFirstCardId;
}

bool hasFocus(HWND slot) {
    return GetWindowLongPtrW(slot, kFocusSlot) != 0;
}

bool marksFocus(HWND slot) {
    return GetWindowLongPtrW(slot, kMarkSlot) != 0;
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

void drawPicture(HDC target, POINT corner, HBITMAP picture) {
    HDC source = CreateCompatibleDC(target);
    const HGDIOBJ previous = SelectObject(source, picture);
    const SIZE size = pictureSize(picture);
    BitBlt(target, corner.x, corner.y, size.cx, size.cy, source, 0, 0, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
}

// The part of a rectangle of the box, in its window's coordinates, that is
// seen: the box made after it lies over its right edge, and its parent cuts
// off what lies beyond it.
RECT seenPart(HWND slot, const RECT& part) {
    HWND parent = GetParent(slot);
    const auto placed = [parent](HWND window) {
        RECT box{};
        GetWindowRect(window, &box);
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&box), 2);
        return PixelRect{box.left, box.top, box.right - box.left, box.bottom - box.top};
    };
    RECT frame{};
    GetClientRect(parent, &frame);
    HWND above = GetWindow(slot, GW_HWNDPREV);
    const bool covered = above != nullptr && IsWindowVisible(above);
    const PixelRect next = covered ? placed(above) : PixelRect{};
    const PixelRect seen =
        form1::seenPart({part.left, part.top, part.right - part.left, part.bottom - part.top},
                        placed(slot), frame.right, frame.bottom, covered ? &next : nullptr);
    return {seen.left, seen.top, seen.left + seen.width, seen.top + seen.height};
}

// The dotted mark just inside the seen part of the picture.
void drawFocusMark(HWND slot, HDC target, POINT corner, const RECT& picture) {
    RECT mark = seenPart(slot, picture);
    InflateRect(&mark, -form1::kFocusMarkInsetPixels, -form1::kFocusMarkInsetPixels);
    OffsetRect(&mark, corner.x, corner.y);
    DrawFocusRect(target, &mark);
}

// The border as the system draws a client edge, the picture inside it, and
// the focus mark over the picture.
void draw(HWND slot, HDC target, POINT corner) {
    RECT box{};
    GetWindowRect(slot, &box);
    RECT edge{corner.x, corner.y, corner.x + box.right - box.left, corner.y + box.bottom - box.top};
    DrawEdge(target, &edge, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    if (HBITMAP picture = shownPicture(slot))
        drawPicture(target, {edge.left, edge.top}, picture);
    else
        FillRect(target, &edge, GetSysColorBrush(COLOR_BTNFACE));
    if (hasFocus(slot) && marksFocus(slot)) {
        OffsetRect(&edge, -corner.x, -corner.y);
        drawFocusMark(slot, target, corner, edge);
    }
}

// A card turned on the shown board: the border and the picture in one pass
// over the whole window. Under Wine each device context costs several trips
// to its server, and BeginPaint would take one for each.
void paint(HWND slot) {
    HDC target = GetWindowDC(slot);
    draw(slot, target, {0, 0});
    ReleaseDC(slot, target);
    // All of it is drawn, the border included.
    RedrawWindow(slot, nullptr, nullptr, RDW_VALIDATE | RDW_NOFRAME | RDW_NOERASE);
}

// The release counts where the box is seen, its border included.
bool releasedOver(HWND slot, LPARAM position) {
    POINT point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    ClientToScreen(slot, &point);
    RECT box{};
    GetWindowRect(slot, &box);
    return PtInRect(&box, point) != FALSE;
}

// Shift turns Tab back.
std::optional<form1::CardKey> cardKeyOf(UINT key) {
    switch (key) {
    case VK_SPACE:
    case VK_RETURN:
        return form1::CardKey::Turn;
    case VK_LEFT:
        return form1::CardKey::Left;
    case VK_RIGHT:
        return form1::CardKey::Right;
    case VK_UP:
        return form1::CardKey::Up;
    case VK_DOWN:
        return form1::CardKey::Down;
    case VK_HOME:
        return form1::CardKey::Home;
    case VK_END:
        return form1::CardKey::End;
    case VK_TAB:
        return GetKeyState(VK_SHIFT) < 0 ? form1::CardKey::Previous : form1::CardKey::Next;
    default:
        return std::nullopt;
    }
}

// The mouse, the keys and the focus go to the game as the card's own; the
// game decides what is a click, a turn or a move.
void press(HWND slot, GameController& game) {
    SetCapture(slot);
    game.cardPressed(cardOf(slot));
}

void release(HWND slot, GameController& game, LPARAM position) {
    if (GetCapture() != slot)
        return;
    game.cardReleased(cardOf(slot), releasedOver(slot, position));
    ReleaseCapture();
}

void focusChanged(HWND slot, GameController& game, bool focused) {
    SetWindowLongPtrW(slot, kFocusSlot, focused ? 1 : 0);
    // Without its mark a box looks the same with the focus or without.
    if (marksFocus(slot))
        InvalidateRect(slot, nullptr, FALSE);
    if (focused)
        game.cardFocused(cardOf(slot));
    else
        game.cardBlurred(cardOf(slot));
}

// What a card does with the input of its own window; false for a plain
// picture box, which takes none.
bool handleInput(HWND slot, UINT message, WPARAM wParam, LPARAM lParam) {
    GameController* game = gameOf(slot);
    if (game == nullptr)
        return false;
    switch (message) {
    case WM_LBUTTONDOWN:
        press(slot, *game);
        return true;
    case WM_LBUTTONUP:
        release(slot, *game, lParam);
        return true;
    case WM_LBUTTONDBLCLK:
        game->cardDoubleClicked(cardOf(slot));
        return true;
    case WM_CAPTURECHANGED:
        // Taken away while the button was down: no click is to come.
        game->cardReleased(cardOf(slot), false);
        return true;
    case WM_KEYDOWN:
        if (const auto key = cardKeyOf(static_cast<UINT>(wParam)))
            game->cardKey(cardOf(slot), *key, (HIWORD(lParam) & KF_REPEAT) != 0);
        return true;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        focusChanged(slot, *game, message == WM_SETFOCUS);
        return true;
    case kPressCardMessage: // a screen reader's press turns the card as a key does
        game->cardKey(cardOf(slot), form1::CardKey::Turn, false);
        return true;
    default:
        return false;
    }
}

// A card is a button to screen readers; a plain picture box is what the
// system says it is.
LRESULT accessibleObject(HWND slot, WPARAM wParam, LPARAM lParam) {
    const LRESULT card = gameOf(slot) != nullptr ? cardAccessibleObject(slot, wParam, lParam) : 0;
    return card != 0 ? card : DefWindowProcW(slot, WM_GETOBJECT, wParam, lParam);
}

LRESULT handle(HWND slot, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        paint(slot);
        return 0;
    case WM_ERASEBKGND:
        // The picture covers the client: erasing it first would only flicker.
        return 1;
    case WM_GETOBJECT:
        return accessibleObject(slot, wParam, lParam);
    default:
        return handleInput(slot, message, wParam, lParam)
                   ? 0
                   : DefWindowProcW(slot, message, wParam, lParam);
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
    type.lpszClassName = kCardSlotClass;
    RegisterClassExW(&type);
}

// Under Wine every window call is a trip to its server, which is most of
// the start-up's time: a slot is made at its final size, without a caption,
// and a new picture of the same size resizes nothing.
HWND createCardSlot(HWND parent, int id, POINT corner, HBITMAP picture, bool visible,
                    GameController* game) {
    const DWORD style =
        WS_CHILD | WS_CLIPSIBLINGS | (visible ? WS_VISIBLE : 0) | (game ? WS_TABSTOP : 0);
    const SIZE size = slotSize(picture);
    HWND slot = CreateWindowExW(
        WS_EX_CLIENTEDGE, kCardSlotClass, nullptr, style, corner.x, corner.y, size.cx, size.cy,
        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
    SetWindowLongPtrW(slot, kPictureSlot, reinterpret_cast<LONG_PTR>(picture));
    SetWindowLongPtrW(slot, kGameSlot, reinterpret_cast<LONG_PTR>(game));
    return slot;
}

void forgetGame(HWND slot) {
    SetWindowLongPtrW(slot, kGameSlot, 0);
}

// Wine keeps no keyboard cues (WM_QUERYUISTATE), so each box keeps its own.
void setMarksFocus(HWND slot, bool marks) {
    if (marks == marksFocus(slot))
        return;
    SetWindowLongPtrW(slot, kMarkSlot, marks ? 1 : 0);
    if (hasFocus(slot))
        InvalidateRect(slot, nullptr, FALSE);
}

void showPicture(HWND slot, HBITMAP picture) {
    SetWindowLongPtrW(slot, kPictureSlot, reinterpret_cast<LONG_PTR>(picture));
    fitPicture(slot, picture);
    // A slot not on screen yet is drawn whole when it shows: the deal that
    // turns the cards over before the board first shows asks for nothing.
    if (IsWindowVisible(slot))
        InvalidateRect(slot, nullptr, FALSE);
}

// By its class, so that a slot whose procedure someone wrapped still counts.
bool isCardSlot(HWND window) {
    wchar_t name[std::size(kCardSlotClass) + 1]{};
    return GetClassNameW(window, name, static_cast<int>(std::size(name))) != 0 &&
           lstrcmpW(name, kCardSlotClass) == 0;
}

void drawCardSlot(HWND slot, HDC target, POINT corner) {
    draw(slot, target, corner);
}

HBITMAP shownPicture(HWND slot) {
    return reinterpret_cast<HBITMAP>(GetWindowLongPtrW(slot, kPictureSlot));
}

} // namespace duomira
