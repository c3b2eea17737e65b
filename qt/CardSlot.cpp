#include "CardSlot.h"

#include "BoardAccess.h"
#include "GameController.h"
#include "MainForm.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <optional>

namespace duomira {

namespace {

// To a screen reader a card is a button: it says so, and it can press it.
class CardSlotAccessible : public QAccessibleWidget {
public:
    explicit CardSlotAccessible(CardSlot* slot) : QAccessibleWidget(slot, QAccessible::Button) {}

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            static_cast<CardSlot*>(widget())->click();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }
};

QAccessibleInterface* accessibleCardSlot(const QString& className, QObject* object) {
    if (className == QLatin1String(CardSlot::staticMetaObject.className())) {
        return new CardSlotAccessible(static_cast<CardSlot*>(object));
    }
    return nullptr;
}

} // namespace

CardSlot::CardSlot(QWidget* parent, GameController& game, int card)
    : QLabel(parent), game_(game), card_(card) {
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(accessibleCardSlot);
        return true;
    }();
    (void)accessibleInstalled;
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken); // the classic 2-pixel sunken border
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Children inherit their parent's pointer; the board's hand stops at the cards.
    setCursor(Qt::ArrowCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void CardSlot::setFocusMarkShown(bool shown) {
    if (shown != focusMarkShown_) {
        focusMarkShown_ = shown;
        update();
    }
}

void CardSlot::showPicture(const QPixmap& picture) {
    setPixmap(picture);
    // A picture drawn for a denser screen still covers its designed size.
    const QSize size = picture.deviceIndependentSize().toSize();
    const int border = 2 * frameWidth();
    resize(size.width() + border, size.height() + border);
}

void CardSlot::click() {
    game_.cardPressed(card_);
    game_.cardReleased(card_, true);
}

void CardSlot::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        game_.cardPressed(card_);
}

void CardSlot::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        game_.cardReleased(card_, rect().contains(event->position().toPoint()));
}

void CardSlot::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        game_.cardDoubleClicked(card_);
}

void CardSlot::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    game_.cardFocused(card_);
}

void CardSlot::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    game_.cardBlurred(card_);
}

namespace {
std::optional<form1::CardKey> cardKeyOf(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    switch (event.key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return form1::CardKey::Turn;
    case Qt::Key_Left:
        return form1::CardKey::Left;
    case Qt::Key_Right:
        return form1::CardKey::Right;
    case Qt::Key_Up:
        return form1::CardKey::Up;
    case Qt::Key_Down:
        return form1::CardKey::Down;
    case Qt::Key_Home:
        return form1::CardKey::Home;
    case Qt::Key_End:
        return form1::CardKey::End;
    case Qt::Key_Tab:
        return event.modifiers() & Qt::ShiftModifier ? form1::CardKey::Previous
                                                     : form1::CardKey::Next;
    case Qt::Key_Backtab:
        return form1::CardKey::Previous;
    default:
        return std::nullopt;
    }
}
} // namespace

// Before QWidget's own handling, which would walk its focus chain on Tab:
// the board's keys, Tab included, are the game's.
bool CardSlot::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (const auto cardKey = cardKeyOf(key)) {
            game_.cardKey(card_, *cardKey, key.isAutoRepeat());
            return true;
        }
    }
    return QLabel::event(event);
}

void CardSlot::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!focusMarkShown_ || !hasFocus()) {
        return;
    }
    // The classic dotted focus rectangle, one pixel on, one off.
    QPainter painter(this);
    QPen dots(Qt::black, 0, Qt::CustomDashLine);
    dots.setDashPattern({1, 1});
    painter.setPen(dots);
    const int inset = form1::kFocusMarkInsetPixels;
    painter.drawRect(shownPart().adjusted(inset, inset, -inset - 1, -inset - 1));
}

QRect CardSlot::shownPart() const {
    const auto pixels = [](const QRect& r) {
        return PixelRect{r.x(), r.y(), r.width(), r.height()};
    };
    const QObjectList& siblings = parentWidget()->children();
    std::optional<PixelRect> next;
    for (auto i = siblings.indexOf(this) + 1; i < siblings.size() && !next; ++i) {
        const auto* above = qobject_cast<const QWidget*>(siblings[i]);
        if (above != nullptr && above->isVisible())
            next = pixels(above->geometry());
    }
    const PixelRect seen =
        form1::seenPart(pixels(contentsRect()), pixels(geometry()), parentWidget()->width(),
                        parentWidget()->height(), next ? &*next : nullptr);
    return {seen.left, seen.top, seen.width, seen.height};
}

} // namespace duomira
