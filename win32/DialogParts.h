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

// Moves and sizes a window so that its client area is the given screen rect.
void placeClientArea(HWND window, const RECT& clientOnScreen);

HWND createControl(HWND dialog, const wchar_t* windowClass, const wchar_t* text, DWORD style,
                   const PixelRect& place, int id, HFONT font, DWORD extendedStyle = 0);

// Win32 walks the tab order along the z-order: the first window is on top.
void setTabOrder(std::initializer_list<HWND> controls);

} // namespace duomira
