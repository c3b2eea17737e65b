#pragma once

#include <windows.h>

namespace duomira {

// The board frame fCanvas: a grey box with an etched border whose caption
// sits in its top edge, the way a group box is drawn. Its own surface shows
// the hand cursor; the card slots on it pass their clicks, keys and focus on
// to its parent.
inline constexpr wchar_t kCanvasClass[] = L"fCanvas";

void registerCanvasClass(HINSTANCE instance, HBRUSH background);

HWND createCanvas(HWND parent, int id, const RECT& frame, const wchar_t* caption, HFONT font);
// The hand of the frame's density; the caller keeps it alive.
void setCanvasCursor(HWND canvas, HCURSOR hand);

} // namespace duomira
