#pragma once

#include "BoardModel.h"
#include "Int16.h"

#include <windows.h>

#include <array>

namespace duomira {

// Every picture the windows show at one density, loaded from the program's
// resources before a window of that density appears and kept for the whole
// run: a card that turns is handed one of these bitmaps, nothing is decoded
// then. The pictures are drawn for 96, 144 and 192 dots per inch; between
// those, the next denser set is scaled down to the size the design asks.
class Pictures {
public:
    Pictures(HINSTANCE instance, int dpi);
    ~Pictures();
    Pictures(const Pictures&) = delete;
    Pictures& operator=(const Pictures&) = delete;

    HBITMAP face(Int16 picture) const;
    HBITMAP back() const { return back_; }
    HBITMAP slotTemplate() const { return slotTemplate_; }
    HBITMAP aboutPicture() const { return aboutPicture_; }
    HICON windowIcon() const { return windowIcon_; }
    HICON windowIconSmall() const { return windowIconSmall_; }
    HICON aboutIcon() const { return aboutIcon_; }
    HICON aboutIconSmall() const { return aboutIconSmall_; }
    HCURSOR handCursor() const { return handCursor_; }

private:
    std::array<HBITMAP, kPictureCount> faces_{};
    HBITMAP back_;
    HBITMAP slotTemplate_;
    HBITMAP aboutPicture_;
    HICON windowIcon_;
    HICON windowIconSmall_;
    HICON aboutIcon_;
    HICON aboutIconSmall_;
    HCURSOR handCursor_;
};

// A bitmap's size in pixels.
SIZE pictureSize(HBITMAP picture);

} // namespace duomira
