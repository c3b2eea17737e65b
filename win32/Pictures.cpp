#include "Pictures.h"

#include "GameError.h"
#include "Resources.h"

#include <stdexcept>
#include <string>

namespace duomira {

namespace {

static_assert(IDB_FACE11 == IDB_FACE00 + kFaceCount - 1, "one bitmap per face");

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

HBITMAP loadBitmap(HINSTANCE instance, int id) {
    return static_cast<HBITMAP>(loadImage(instance, id, IMAGE_BITMAP, 0));
}

// The icon's own image of the size the system draws at, not a scaled one.
HICON loadIcon(HINSTANCE instance, int id, int sizeMetric) {
    return static_cast<HICON>(loadImage(instance, id, IMAGE_ICON, GetSystemMetrics(sizeMetric)));
}

} // namespace

Pictures::Pictures(HINSTANCE instance)
    : back_(loadBitmap(instance, IDB_BACK)), slotTemplate_(loadBitmap(instance, IDB_SLOT_TEMPLATE)),
      aboutPicture_(loadBitmap(instance, IDB_ABOUT_PICTURE)),
      windowIcon_(loadIcon(instance, IDI_WINDOW, SM_CXICON)),
      windowIconSmall_(loadIcon(instance, IDI_WINDOW, SM_CXSMICON)),
      aboutIcon_(loadIcon(instance, IDI_ABOUT, SM_CXICON)),
      aboutIconSmall_(loadIcon(instance, IDI_ABOUT, SM_CXSMICON)),
      // The cursor keeps the hotspot of its file, the top-left corner.
      handCursor_(static_cast<HCURSOR>(loadImage(instance, IDCUR_BOARD_HAND, IMAGE_CURSOR, 0))) {
    for (int p = 0; p < kFaceCount; ++p)
        faces_[static_cast<std::size_t>(p)] = loadBitmap(instance, IDB_FACE00 + p);
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
    if (picture < 0 || picture >= kFaceCount)
        throw GameError(GameErrorKind::SubscriptOutOfRange);
    return faces_[static_cast<std::size_t>(picture)];
}

SIZE pictureSize(HBITMAP picture) {
    BITMAP header{};
    GetObjectW(picture, sizeof header, &header);
    return {header.bmWidth, header.bmHeight};
}

} // namespace duomira
