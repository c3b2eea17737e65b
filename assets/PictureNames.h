#pragma once

#include <array>

namespace duomira {

// What each face shows, in picture-index order, as the generator draws it
// (generator/Faces.cpp): the words a screen reader says for a turned card.
inline constexpr std::array<const char*, 12> kPictureNames = {
    "사과", "여우",   "별",     "소나무", "물고기", "우산",
    "돼지", "달팽이", "자동차", "펭귄",   "코끼리", "양",
};

} // namespace duomira
