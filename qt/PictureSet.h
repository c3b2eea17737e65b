#pragma once

#include "BoardModel.h"

#include <QCursor>
#include <QIcon>
#include <QPixmap>

#include <array>

namespace duomira {

// Every picture the windows show, decoded once from the program's resources and kept
// for its whole run; callers hold on to references. What the first frame shows is
// decoded at once, a face at its first turn and About's pictures at its first showing.
// The card pictures and the hand are the ones drawn for the primary screen's pixel
// ratio, marked with it, so they cover their designed size. Needs a QGuiApplication.
class PictureSet {
public:
    PictureSet();

    // Throws GameError(SubscriptOutOfRange) for a picture outside 0..11.
    const QPixmap& face(int picture) const;
    const QPixmap& back() const { return back_; }
    const QPixmap& slotTemplate() const { return slotTemplate_; }
    const QIcon& windowIcon() const { return windowIcon_; }
    // Hotspot at the top-left corner of the image, not at the fingertip.
    const QCursor& handCursor() const { return handCursor_; }
    const QPixmap& aboutPicture() const;
    const QIcon& aboutIcon() const;

private:
    qreal ratio_ = 1.0;
    QString suffix_; // of the files drawn for that ratio: face00@2x.bmp
    mutable std::array<QPixmap, kPictureCount> faces_;
    QPixmap back_;
    QPixmap slotTemplate_;
    QIcon windowIcon_;
    QCursor handCursor_;
    mutable QPixmap aboutPicture_;
    mutable QIcon aboutIcon_;
};

} // namespace duomira
