#pragma once

#include "Fonts.h"
#include "Int16.h"
#include "Twips.h"

#include <string_view>

namespace duomira::form1 {

// The main window Form1 as designed: every front end builds it from here.
inline constexpr char kCaption[] = "토리무나 그림 맞추기 게임";
inline constexpr double kClientWidth = 9660;
inline constexpr double kClientHeight = 4845;
inline constexpr Rgb kBackground{192, 192, 192};

inline constexpr char kCanvasCaption[] = "그림판";
inline constexpr TwipsRect kCanvas{0, 0, 9615, 4815};
inline constexpr FontStyle kCanvasFont{KoreanFace::GulimChe, 9.75, kWeightNormal};

// Only slot 0 is designed; the others are copied from it as the board loads.
inline constexpr double kSlotLeft = 105;
inline constexpr double kSlotTop = 240;
// The sunken border around each card's picture, on every side.
inline constexpr int kSlotBorderPixels = 2;

inline constexpr int kCloseIntervalMs = 300;

enum class Command { None, About, End, Start, Password };

// The menu bar in order: a title, then its items; "-" is a separator. A
// title without items is a plain title; the last one shows the status text.
struct MenuEntry {
    const char* caption;
    Command command;
    bool isTitle;
};

inline constexpr MenuEntry title(const char* caption) {
    return {caption, Command::None, true};
}

inline constexpr MenuEntry item(const char* caption, Command command = Command::None) {
    return {caption, command, false};
}

// The caption that makes an item a separator line.
inline constexpr char kSeparatorCaption[] = "-";

inline bool isSeparator(const MenuEntry& entry) {
    return !entry.isTitle && std::string_view(entry.caption) == kSeparatorCaption;
}

inline constexpr MenuEntry kMenu[] = {
    title("파일(&F)"), item("대하여..(&A)", Command::About),
    item("-"),         item("종료", Command::End),
    title("게임(&G)"), item("다시 시작(&S)", Command::Start),
    item("-"),         item("패스워드(&O)...", Command::Password),
    title(""),         title("횟수"),
};

// What a front end makes of the menu table, entry by entry.
class MenuBuilder {
public:
    virtual ~MenuBuilder() = default;
    virtual void addMenu(const char* caption) = 0;
    virtual void addItem(const char* caption, Command command) = 0;
    virtual void addSeparator() = 0;
    // A title without items does nothing when chosen; the last one shows
    // the status text.
    virtual void addTitle(const char* caption, bool isStatus) = 0;
};

void buildMenuBar(MenuBuilder& builder);

// The card grid of Form_Load: the corner of slot 0 rounded half to even,
// and the pitch that spreads the 8 x 3 slots over the frame, all in 16-bit
// arithmetic that overflows rather than wraps.
struct CardGrid {
    Int16 OriginX;
    Int16 OriginY;
    Int16 StepX;
    Int16 StepY;

    Int16 left(int Pos) const;
    Int16 top(int Pos) const;
    PixelPoint corner(int Pos, int dpi = kDesignDpi) const;
};

CardGrid measureCardGrid();

// What shows of a part of a card slot's picture (in the slot's pixels): the
// frame (its client area, where the slots are placed) cuts off what lies
// beyond it, and the next slot, made after this one and so above it, lies
// over its right edge. An empty rectangle where nothing shows.
PixelRect seenPart(const PixelRect& part, const PixelRect& slot, int frameWidth, int frameHeight,
                   const PixelRect* nextSlot);

} // namespace duomira::form1
