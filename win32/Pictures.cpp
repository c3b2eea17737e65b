#include "Pictures.h"

#include "CardArray.h"
#include "Resources.h"

#include <iterator>
#include <stdexcept>
#include <string>

namespace duomira {

namespace {

static_assert(IDB_FACE11 == IDB_FACE00 + kPictureCount - 1, "one bitmap per face");

// The densities the resources carry, as the dots per inch each is drawn for.
constexpr int kDensityDpis[] = {96, 144, 192};

// The index of the density the pictures of a window come from: the exact one,
// else the next denser one (scaled down looks sharper than scaled up), the
// densest one past 192 dots per inch.
int densityFor(int dpi) {
    const int densest = static_cast<int>(std::size(kDensityDpis)) - 1;
    for (int index = 0; index < densest; ++index)
        if (dpi <= kDensityDpis[index])
            return index;
    return densest;
}

[[noreturn]] void missing(int id) {
    // Only a broken build gets here: the pictures are linked into the program.
    throw std::runtime_error("picture resource missing: " + std::to_string(id));
}

HANDLE loadImage(HINSTANCE instance, int id, UINT type, int size) {
    HANDLE image = LoadImageW(instance, MAKEINTRESOURCEW(id), type, size, size, 0);
    if (image == nullptr)
        missing(id);
    return image;
}

// A picture at another size, its pixels averaged rather than dropped.
HBITMAP resized(HBITMAP picture, SIZE size) {
    HDC screen = GetDC(nullptr);
    HDC from = CreateCompatibleDC(screen);
    HDC to = CreateCompatibleDC(screen);
    HBITMAP result = CreateCompatibleBitmap(screen, size.cx, size.cy);
    const HGDIOBJ previousFrom = SelectObject(from, picture);
    const HGDIOBJ previousTo = SelectObject(to, result);
    const SIZE original = pictureSize(picture);
    SetStretchBltMode(to, HALFTONE);
    SetBrushOrgEx(to, 0, 0, nullptr);
    StretchBlt(to, 0, 0, size.cx, size.cy, from, 0, 0, original.cx, original.cy, SRCCOPY);
    SelectObject(from, previousFrom);
    SelectObject(to, previousTo);
    DeleteDC(from);
    DeleteDC(to);
    ReleaseDC(nullptr, screen);
    DeleteObject(picture);
    return result;
}

HBITMAP loadBitmap(HINSTANCE instance, int id, int dpi) {
    const int density = densityFor(dpi);
    auto* picture =
        static_cast<HBITMAP>(loadImage(instance, id + density * IDR_DENSITY_STEP, IMAGE_BITMAP, 0));
    const int drawnFor = kDensityDpis[density];
    if (dpi == drawnFor)
        return picture;
    const SIZE drawn = pictureSize(picture);
    return resized(picture, {MulDiv(drawn.cx, dpi, drawnFor), MulDiv(drawn.cy, dpi, drawnFor)});
}

// The icon's own image of the size the system draws at, not a scaled one.
HICON loadIcon(HINSTANCE instance, int id, int sizeMetric, int dpi) {
    return static_cast<HICON>(
        loadImage(instance, id, IMAGE_ICON, GetSystemMetricsForDpi(sizeMetric, dpi)));
}

// The cursor keeps the hotspot of its file, the top-left corner; the system
// draws it at the size it has.
HCURSOR loadCursor(HINSTANCE instance, int id, int dpi) {
    return static_cast<HCURSOR>(
        loadImage(instance, id + densityFor(dpi) * IDR_DENSITY_STEP, IMAGE_CURSOR, 0));
}

} // namespace

Pictures::Pictures(HINSTANCE instance, int dpi)
    : back_(loadBitmap(instance, IDB_BACK, dpi)),
      slotTemplate_(loadBitmap(instance, IDB_SLOT_TEMPLATE, dpi)),
      aboutPicture_(loadBitmap(instance, IDB_ABOUT_PICTURE, dpi)),
      windowIcon_(loadIcon(instance, IDI_WINDOW, SM_CXICON, dpi)),
      windowIconSmall_(loadIcon(instance, IDI_WINDOW, SM_CXSMICON, dpi)),
      aboutIcon_(loadIcon(instance, IDI_ABOUT, SM_CXICON, dpi)),
      aboutIconSmall_(loadIcon(instance, IDI_ABOUT, SM_CXSMICON, dpi)),
      handCursor_(loadCursor(instance, IDCUR_BOARD_HAND, dpi)) {
    for (int p = 0; p < kPictureCount; ++p)
        faces_[static_cast<std::size_t>(p)] = loadBitmap(instance, IDB_FACE00 + p, dpi);
}

Pictures::~Pictures() {
    for (HBITMAP face : faces_)
        DeleteObject(face);
    DeleteObject(back_);
    DeleteObject(slotTemplate_);
    DeleteObject(aboutPicture_);
    DestroyIcon(windowIcon_);
    DestroyIcon(windowIconSmall_);
    DestroyIcon(aboutIcon_);
    DestroyIcon(aboutIconSmall_);
    DestroyCursor(handCursor_);
}

// The holders are a control array of their own: a picture index without a
// holder is the game's subscript error, shown like any other.
HBITMAP Pictures::face(Int16 picture) const {
    return faces_[subscript(picture, kPictureCount)];
}

SIZE pictureSize(HBITMAP picture) {
    BITMAP header{};
    GetObjectW(picture, sizeof header, &header);
    return {header.bmWidth, header.bmHeight};
}

} // namespace duomira
