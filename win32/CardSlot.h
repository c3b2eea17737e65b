#pragma once

#include <windows.h>

namespace duomira {

class GameController;

// A picture box with the classic sunken border that takes the size of its
// picture and shows it unscaled in its top-left corner.
//
// A box made as a card of a game is a control of the mouse and the keyboard
// too: its presses, releases, double clicks, keys and focus go to the game as
// the card its id names, and the game decides what they do. It draws the
// dotted focus mark while it has the focus and is told to mark it.
inline constexpr wchar_t kCardSlotClass[] = L"pCard";

void registerCardSlotClass(HINSTANCE instance);

// The box shows the very bitmap it is given; the caller keeps it alive.
HWND createCardSlot(HWND parent, int id, POINT corner, HBITMAP picture, bool visible,
                    GameController* game = nullptr);
void showPicture(HWND slot, HBITMAP picture);
HBITMAP shownPicture(HWND slot);
void setMarksFocus(HWND slot, bool marks);
// The box stops handing its input on: its game is going.
void forgetGame(HWND slot);

bool isCardSlot(HWND window);
// The box as it shows, border and picture, with its window's top-left corner
// at corner of target: its parent draws a whole board in one pass this way.
void drawCardSlot(HWND slot, HDC target, POINT corner);

} // namespace duomira
