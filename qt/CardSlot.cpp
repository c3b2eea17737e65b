#include "CardSlot.h"

#include <QMouseEvent>

namespace duomira {

CardSlot::CardSlot(QWidget* parent) : QLabel(parent) {
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken); // the classic 2-pixel sunken border
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Children inherit their parent's pointer; the board's hand stops at the cards.
    setCursor(Qt::ArrowCursor);
}

void CardSlot::showPicture(const QPixmap& picture) {
    setPixmap(picture);
    // A picture drawn for a denser screen still covers its designed size.
    const QSize size = picture.deviceIndependentSize().toSize();
    const int border = 2 * frameWidth();
    resize(size.width() + border, size.height() + border);
}

void CardSlot::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void CardSlot::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) {
        emit clicked();
    }
}

void CardSlot::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

} // namespace duomira
