#pragma once

#include <windows.h>

namespace duomira {

// What a card slot answers to WM_GETOBJECT: for its client area, the
// system's own accessible object for it, but with the role of a push button
// and the window's text as its name. Screen readers otherwise hear a card as
// a bare "client" they would not think of pressing. 0 for what the system
// answers itself.
LRESULT cardAccessibleObject(HWND slot, WPARAM wParam, LPARAM lParam);

// What the card's default action, pressing it, posts to its window: the
// action is asked for across processes, and the card turns in its own time.
inline constexpr UINT kPressCardMessage = WM_APP + 1;

// Tells screen readers that the card's name changed, as a push button does.
void announceCardName(HWND slot);

} // namespace duomira
