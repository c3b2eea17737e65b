#pragma once

#include "BoardModel.h"

#include <array>
#include <string>

namespace duomira::form1 {

// Playing the 8 x 3 board without the mouse or the eyes, the same in every
// front end: the keys of the board (Turn is Space or Enter; Next and
// Previous are Tab and Shift+Tab), and what a screen reader says of each slot.
enum class CardKey { Turn, Left, Right, Up, Down, Home, End, Next, Previous };

// The slot the focus goes to. Arrows and Home/End stay within the grid and
// stop at its edges; Next/Previous (Tab) walk the slots in reading order and
// wrap around, as a tab order does; Turn stays.
int cardAfterKey(int card, CardKey key);

// The focus mark is drawn this far inside the slot's picture.
inline constexpr int kFocusMarkInsetPixels = 2;

// What a screen reader says of a slot: its place ("1행 3열"), then what it
// shows, "뒷면" or the picture's name, and "짝 맞춤" once it is matched.
// shownPicture is negative while the back is shown.
std::string cardDescription(int card, int shownPicture, bool matched);

// What each slot shows, as the window last drew it: the model knows the
// cards, but only the window knows which side of each is up.
class ShownCards {
public:
    ShownCards() { shown_.fill(-1); }
    void face(Int16 card, Int16 picture) { shown_.at(slot(card)) = picture; }
    void back(Int16 card) { shown_.at(slot(card)) = -1; }
    // The face a card shows, or -1 for its back.
    int picture(int card) const { return shown_.at(slot(card)); }
    std::string description(int card, const BoardModel& model) const;

private:
    static std::size_t slot(int card);
    std::array<int, kCardCount> shown_{};
};

} // namespace duomira::form1
