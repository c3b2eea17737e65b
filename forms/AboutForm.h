#pragma once

#include "Fonts.h"
#include "MainForm.h"
#include "Twips.h"

#include <array>
#include <string>

namespace duomira::frmAbout {

// The About dialog as designed: modal, at a fixed place on the screen, in
// the system's dialog font but for its title label.
inline constexpr char kCaption[] = "토리무나 그림 맞추기 게임에 대하여..";
inline constexpr TwipsRect kClient{2340, 1935, 5730, 3555};

// In creation order. cmdOK is the default and the cancel button at once.
inline constexpr TwipsRect kPicIcon{0, 240, 1260, 1260};
inline constexpr TwipsRect kCmdOK{3885, 2625, 1620, 345};
inline constexpr TwipsRect kCmdSysInfo{3900, 3075, 1605, 345};
inline constexpr char kCmdSysInfoCaption[] = "시스템 정보(&S)...";
inline constexpr TwipsRect kLblDescription{1560, 885, 3885, 1410};
inline constexpr TwipsRect kLblTitle{1320, 240, 4125, 480};
inline constexpr const char* kLblTitleCaption = form1::kCaption;
inline constexpr FontStyle kLblTitleFont{KoreanFace::Dotum, 14.25, kWeightBold};
inline constexpr Rgb kTextColour{0, 0, 0};

// The two elements of Line1 as the bands of pixels they cover: a grey line
// with a white one under it, together an etched separator.
struct LineBand {
    PixelRect band;
    Rgb colour;
};

inline LineBand line1(int index, int dpi = kDesignDpi) {
    const auto at = [dpi](double twips) { return twipsToPixels(twips, dpi); };
    if (index == 0)
        return {{at(105), at(2460), at(5654 - 105), scaledPixels(2, dpi)}, {255, 255, 255}};
    return {{at(90), at(2445), at(5654 - 90), scaledPixels(1, dpi)}, {128, 128, 128}};
}

// Both bands in the order they are drawn: the white one over the grey.
inline std::array<LineBand, 2> line1Bands(int dpi = kDesignDpi) {
    return {line1(1, dpi), line1(0, dpi)};
}

// The author's note, blank runs and all: the label wraps it as a whole, so
// the runs decide where the lines break.
std::string descriptionText();

} // namespace duomira::frmAbout
