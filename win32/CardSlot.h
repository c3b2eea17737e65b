#pragma once

#include <windows.h>

namespace duomira {

// A picture box with the classic sunken border that takes the size of its
// picture and shows it unscaled in its top-left corner. A click, a left press
// and release on the same box, reaches its parent as WM_COMMAND with
// STN_CLICKED; the second press of a double click is no click of its own.
inline constexpr wchar_t kCardSlotClass[] = L"pCard";

void registerCardSlotClass(HINSTANCE instance);

// The box shows the very bitmap it is given; the caller keeps it alive.
HWND createCardSlot(HWND parent, int id, POINT corner, HBITMAP picture, bool visible);
void showPicture(HWND slot, HBITMAP picture);
HBITMAP shownPicture(HWND slot);

bool isCardSlot(HWND window);
// The box as it shows, border and picture, with its window's top-left corner
// at corner of target: its parent draws a whole board in one pass this way.
void drawCardSlot(HWND slot, HDC target, POINT corner);

} // namespace duomira
