#pragma once

#include "BoardAccess.h"

#include <windows.h>

#include <optional>

namespace duomira {

// A picture box with the classic sunken border that takes the size of its
// picture and shows it unscaled in its top-left corner. A click, a left press
// and release on the same box, reaches its parent as WM_COMMAND with
// STN_CLICKED; the second press of a double click is no click of its own.
//
// A box with WS_TABSTOP is a control of the keyboard too: a press gives it
// the focus, Space or Enter clicks it (the repeats of a held key do not),
// and the keys that move over the board go to its parent as NM_KEYDOWN; it
// tells its parent NM_SETFOCUS when it gets the focus. A key that turns a card
// or moves to one shows the focus mark, and it goes with the focus to the next
// box; a press of the mouse hides it again, so that the mouse player's board
// stays as it was.
inline constexpr wchar_t kCardSlotClass[] = L"pCard";

void registerCardSlotClass(HINSTANCE instance);

// The box shows the very bitmap it is given; the caller keeps it alive.
HWND createCardSlot(HWND parent, int id, POINT corner, HBITMAP picture, bool visible,
                    DWORD extraStyle = 0);
void showPicture(HWND slot, HBITMAP picture);
HBITMAP shownPicture(HWND slot);

bool isCardSlot(HWND window);
// The key's move over the board, if it is one of the moving keys.
std::optional<form1::CardKey> cardKeyOf(UINT key);
// The notification a box is sending right now, or none: a parent reads only
// this one, whatever pointer another program's message carries.
const NMHDR* cardNoteBeingSent();
// The box as it shows, border and picture, with its window's top-left corner
// at corner of target: its parent draws a whole board in one pass this way.
void drawCardSlot(HWND slot, HDC target, POINT corner);

} // namespace duomira
