#pragma once

#include "Fonts.h"
#include "Twips.h"

namespace duomira {

// The system colours of the classic grey scheme the game was drawn for.
// Wherever a window names no colour of its own, it shows these, not the
// desktop's theme: the forms' own colours (the peach dialog, the grey entry
// box, black captions) were chosen against them, and a dark theme under
// them would leave light text on light ground.
namespace classic {
inline constexpr Rgb kButtonFace{192, 192, 192};
inline constexpr Rgb kButtonHighlight{255, 255, 255};
inline constexpr Rgb kButtonLight{223, 223, 223};
inline constexpr Rgb kButtonShadow{128, 128, 128};
inline constexpr Rgb kButtonDarkShadow{0, 0, 0};
inline constexpr Rgb kText{0, 0, 0};
inline constexpr Rgb kWindow{255, 255, 255};
inline constexpr Rgb kHighlight{0, 0, 128};
inline constexpr Rgb kHighlightText{255, 255, 255};
inline constexpr Rgb kGrayText{128, 128, 128};
inline constexpr Rgb kInfoWindow{255, 255, 225};
inline constexpr Rgb kHotLight{0, 0, 255};
inline constexpr Rgb kActiveCaption{0, 0, 128};
inline constexpr Rgb kCaptionText{255, 255, 255};
inline constexpr Rgb kDesktop{0, 128, 128};
} // namespace classic

// The toolkit's own font where a window names none (menus, the status
// title, buttons, message boxes, About's description): the dialog font of
// the Korean system the game was made for, at its fixed size, so that the
// fixed layout holds whatever font the desktop prefers.
inline constexpr FontStyle kToolkitFont{KoreanFace::Gulim, 9.0, kWeightNormal};

} // namespace duomira
