#pragma once

#include <QFont>

namespace duomira {

// The game's Korean faces, each with the families that stand in for it where
// the Windows fonts are missing (NanumGothic on Linux).
enum class KoreanFace {
    Gulim,    // proportional
    GulimChe, // fixed pitch
    Dotum,
    MsSerif, // the password box's Western face
};

QFont koreanFont(KoreanFace face, double points, QFont::Weight weight = QFont::Normal);

} // namespace duomira
