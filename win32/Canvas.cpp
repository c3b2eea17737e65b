#include "Canvas.h"

#include "Boundary.h"
#include "CardSlot.h"
#include "DpiAssets.h"
#include "Twips.h"

#include <algorithm>
#include <string>
#include <vector>

namespace duomira {

namespace {

constexpr int kFontSlot = 0;
constexpr int kCursorSlot = static_cast<int>(sizeof(LONG_PTR));
constexpr int kExtraBytes = 2 * static_cast<int>(sizeof(LONG_PTR));

// Where the caption breaks the top edge, as the classic group box has it, in
// pixels at 96 dots per inch.
constexpr int kCaptionGapLeft = 8;
constexpr int kCaptionPadding = 4;

HFONT fontOf(HWND canvas) {
    return reinterpret_cast<HFONT>(GetWindowLongPtrW(canvas, kFontSlot));
}

std::wstring captionOf(HWND canvas) {
    std::wstring caption(static_cast<std::size_t>(GetWindowTextLengthW(canvas)) + 1, L'\0');
    caption.resize(static_cast<std::size_t>(
        GetWindowTextW(canvas, caption.data(), static_cast<int>(caption.size()))));
    return caption;
}

void paintFrame(HWND canvas, HDC dc) {
    const HGDIOBJ previousFont = SelectObject(dc, fontOf(canvas));
    const std::wstring caption = captionOf(canvas);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SIZE captionSize{};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &captionSize);

    RECT client{};
    GetClientRect(canvas, &client);
    RECT edge = client;
    edge.top = metrics.tmHeight / 2;
    DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);

    // The caption covers the edge where it stands.
    const int dpi = dpiOf(canvas);
    const int gapLeft = scaledPixels(kCaptionGapLeft, dpi);
    const int padding = scaledPixels(kCaptionPadding, dpi);
    const int captionLeft = gapLeft + padding;
    RECT gap{gapLeft, edge.top, captionLeft + captionSize.cx + padding, edge.top + 2};
    FillRect(dc, &gap, reinterpret_cast<HBRUSH>(GetClassLongPtrW(canvas, GCLP_HBRBACKGROUND)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    TextOutW(dc, captionLeft, 0, caption.c_str(), static_cast<int>(caption.size()));
    SelectObject(dc, previousFont);
}

BOOL CALLBACK collectCardSlot(HWND child, LPARAM cards) {
    if (isCardSlot(child))
        reinterpret_cast<std::vector<HWND>*>(cards)->push_back(child);
    return TRUE;
}

// The cards in the order they lie, the lowest first.
std::vector<HWND> cardsOn(HWND canvas) {
    std::vector<HWND> cards;
    EnumChildWindows(canvas, collectCardSlot, reinterpret_cast<LPARAM>(&cards));
    std::reverse(cards.begin(), cards.end());
    return cards;
}

void paintCards(HWND canvas, HDC dc) {
    POINT origin{0, 0};
    ClientToScreen(canvas, &origin);
    for (HWND card : cardsOn(canvas)) {
        if (!IsWindowVisible(card))
            continue;
        RECT box{};
        GetWindowRect(card, &box);
        drawCardSlot(card, dc, {box.left - origin.x, box.top - origin.y});
    }
}

// The frame and the cards on it in one device context, then all of it is
// valid at once: under Wine each window's own painting costs some fifteen
// trips to its server, and the board has twenty-four cards. It is drawn
// aside and shown in one copy, so that the frame's grey never shows where a
// card is about to be drawn.
void paint(HWND canvas) {
    HDC dc = GetDCEx(canvas, nullptr, DCX_CACHE);
    RECT client{};
    GetClientRect(canvas, &client);
    HDC aside = CreateCompatibleDC(dc);
    HBITMAP board = CreateCompatibleBitmap(dc, client.right, client.bottom);
    const HGDIOBJ previous = SelectObject(aside, board);
    FillRect(aside, &client,
             reinterpret_cast<HBRUSH>(GetClassLongPtrW(canvas, GCLP_HBRBACKGROUND)));
    paintFrame(canvas, aside);
    paintCards(canvas, aside);
    BitBlt(dc, 0, 0, client.right, client.bottom, aside, 0, 0, SRCCOPY);
    SelectObject(aside, previous);
    DeleteObject(board);
    DeleteDC(aside);
    ReleaseDC(canvas, dc);
    RedrawWindow(canvas, nullptr, nullptr,
                 RDW_VALIDATE | RDW_NOFRAME | RDW_NOERASE | RDW_ALLCHILDREN);
}

LRESULT handle(HWND canvas, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        paint(canvas);
        return 0;
    case WM_NCPAINT:
        // The frame has no border: the system would still take a device
        // context, a few trips to Wine's server, to draw nothing.
        return 0;
    case WM_SETFONT:
        // The caption's font, kept and answered like any control's.
        SetWindowLongPtrW(canvas, kFontSlot, static_cast<LONG_PTR>(wParam));
        return 0;
    case WM_GETFONT:
        return GetWindowLongPtrW(canvas, kFontSlot);
    case WM_SETCURSOR:
        // The hand over the frame itself; over a card the card's own arrow.
        if (reinterpret_cast<HWND>(wParam) == canvas && LOWORD(lParam) == HTCLIENT) {
            SetCursor(reinterpret_cast<HCURSOR>(GetWindowLongPtrW(canvas, kCursorSlot)));
            return TRUE;
        }
        return DefWindowProcW(canvas, message, wParam, lParam);
    default:
        return DefWindowProcW(canvas, message, wParam, lParam);
    }
}

LRESULT CALLBACK canvasProcedure(HWND canvas, UINT message, WPARAM wParam, LPARAM lParam) {
    return atWindowBoundary<LRESULT>([&] { return handle(canvas, message, wParam, lParam); });
}

} // namespace

void registerCanvasClass(HINSTANCE instance, HBRUSH background) {
    WNDCLASSEXW type{};
    type.cbSize = sizeof type;
    type.lpfnWndProc = canvasProcedure;
    type.cbWndExtra = kExtraBytes;
    type.hInstance = instance;
    type.hbrBackground = background;
    type.lpszClassName = kCanvasClass;
    RegisterClassExW(&type);
}

HWND createCanvas(HWND parent, int id, const RECT& frame, const wchar_t* caption, HFONT font) {
    HWND canvas = CreateWindowExW(
        0, kCanvasClass, caption, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, frame.left, frame.top,
        frame.right - frame.left, frame.bottom - frame.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
    SendMessageW(canvas, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return canvas;
}

void setCanvasCursor(HWND canvas, HCURSOR hand) {
    SetWindowLongPtrW(canvas, kCursorSlot, reinterpret_cast<LONG_PTR>(hand));
}

} // namespace duomira
