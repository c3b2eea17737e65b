#pragma once

#include <span>

namespace duomira {

// The game's faces, each with the families that stand in for it where the
// Windows fonts are missing (NanumGothic on Linux and under Wine).
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
