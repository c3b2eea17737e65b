#pragma once

#include "Fonts.h"
#include "Twips.h"

namespace duomira::fmGetPass {

// The password dialog as designed: shown modeless and without an owner,
// centred on the screen, with no icon and no task-bar entry.
inline constexpr char kCaption[] = "패스워드 입력";
inline constexpr double kClientWidth = 3270;
inline constexpr double kClientHeight = 1125;
inline constexpr Rgb kBackground{255, 224, 192};
inline constexpr FontStyle kFormFont{KoreanFace::Gulim, 8.25, kWeightNormal};

// In creation order. The OK button is the default button; nothing is the
// cancel button, so Escape leaves the dialog open.
inline constexpr TwipsRect kCommand1{2280, 600, 915, 375};
inline constexpr FontStyle kCommand1Font{KoreanFace::GulimChe, 9.75, kWeightNormal};

// Holds the focus when the dialog opens; its laid-out text is emptied on load.
inline constexpr TwipsRect kTPass{120, 600, 1755, 405};
inline constexpr char kTPassLaidOutText[] = "*****";
inline constexpr FontStyle kTPassFont{KoreanFace::MsSerif, 12, kWeightNormal};
inline constexpr char kPasswordCharacter = '*';
inline constexpr Rgb kTPassBackground{192, 192, 192};

inline constexpr TwipsRect kLabel1{120, 120, 1095, 375};
inline constexpr char kLabel1Caption[] = "패스워드";
inline constexpr FontStyle kLabel1Font{KoreanFace::Gulim, 11.25, kWeightNormal};

} // namespace duomira::fmGetPass
