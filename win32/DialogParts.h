#pragma once

#include "Twips.h"

#include <windows.h>

#include <initializer_list>
#include <vector>

namespace duomira {

// What both dialogs are built from: an empty template for the system's
// dialog manager (controls are made in pixels when it opens), the exact
// client area, the controls and their tab order.
std::vector<WORD> emptyDialogTemplate(DWORD style, DWORD extendedStyle);

// Moves and sizes a window so that its client area is the given screen rect,
// its frame as wide as the window's density makes it.
void placeClientArea(HWND window, const RECT& clientOnScreen);
// Sizes a window's client area at a new density; the window's centre stays
// on the monitor that gave it that density.
void resizeClientAroundCentre(HWND window, int width, int height, int dpi);
// Moves and sizes a control and gives it its font.
void placeControl(HWND control, const PixelRect& place, HFONT font);

HWND createControl(HWND dialog, const wchar_t* windowClass, const wchar_t* text, DWORD style,
                   const PixelRect& place, int id, HFONT font, DWORD extendedStyle = 0);

// Win32 walks the tab order along the z-order: the first window is on top.
void setTabOrder(std::initializer_list<HWND> controls);

} // namespace duomira
