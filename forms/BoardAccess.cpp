#include "BoardAccess.h"

#include "CardArray.h"
#include "PictureNames.h"

#include <algorithm>

namespace duomira::form1 {

int cardAfterKey(int card, CardKey key) {
    const int row = card / kColumns;
    const int column = card % kColumns;
    const int rowStart = row * kColumns;
    switch (key) {
    case CardKey::Turn:
        return card;
    case CardKey::Left:
        return rowStart + std::max(column - 1, 0);
    case CardKey::Right:
        return rowStart + std::min(column + 1, kColumns - 1);
    case CardKey::Up:
        return std::max(row - 1, 0) * kColumns + column;
    case CardKey::Down:
        return std::min(row + 1, kRows - 1) * kColumns + column;
    case CardKey::Home:
        return rowStart;
    case CardKey::End:
        return rowStart + kColumns - 1;
    case CardKey::Next:
        return (card + 1) % kCardCount;
    case CardKey::Previous:
        return (card + kCardCount - 1) % kCardCount;
    }
    return card;
}

std::string cardDescription(int card, int shownPicture, bool matched) {
    subscript(card, kCardCount);
    if (shownPicture >= 0)
        subscript(shownPicture, kPictureCount);
    std::string text =
        std::to_string(card / kColumns + 1) + "행 " + std::to_string(card % kColumns + 1) + "열, ";
    text += shownPicture < 0 ? "뒷면" : kPictureNames[static_cast<std::size_t>(shownPicture)];
    if (matched) {
        text += ", 짝 맞춤";
    }
    return text;
}

std::size_t ShownCards::slot(int card) {
    return subscript(card, kCardCount);
}

std::string ShownCards::description(int card, const BoardModel& model) const {
    return cardDescription(card, shown_[slot(card)], model.CardState(card) == STATE_MATCHED);
}

} // namespace duomira::form1
