#pragma once

#include <span>

namespace duomira {

// The game's own fonts (assets/fonts), which every front end carries: cut
// down from NanumGothic and NanumGothicCoding to the characters the game shows.
inline constexpr char kGameGothic[] = "Duomira Gothic";
inline constexpr char kGameGothicCoding[] = "Duomira Gothic Coding";

// The game's faces, each with the families that stand in for it where the
// Windows fonts are missing (the game's own fonts on Linux and under Wine).
enum class KoreanFace {
    Gulim,    // proportional
    GulimChe, // fixed pitch
    Dotum,
    MsSerif, // the password box's Western face
};

inline constexpr int kWeightNormal = 400;
inline constexpr int kWeightBold = 700;

struct FontStyle {
    KoreanFace face;
    double points;
    int weight;
};

// In order of preference, UTF-8; a front end takes the first one installed.
std::span<const char* const> familiesOf(KoreanFace face);

inline bool isFixedPitch(KoreanFace face) {
    return face == KoreanFace::GulimChe;
}

} // namespace duomira
