#include "WindowPlacement.h"

#include "Centring.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace duomira {

namespace {

// Watches the window until its frame is known, centres it then and goes.
class FrameWatch : public QObject {
public:
    explicit FrameWatch(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool placed = event->type() == QEvent::Move || event->type() == QEvent::Show;
        if (watched == &window_ && placed && window_.frameGeometry().size() != window_.size()) {
            window_.removeEventFilter(this);
            centreOnScreen(window_, window_.screen());
            deleteLater();
        }
        return false;
    }

private:
    QWidget& window_;
};

} // namespace

void centreOnScreen(QWidget& window, QScreen* screen) {
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    // The screen first: a window without one takes the primary screen's place
    // as it is made, whatever the position it is given afterwards.
    window.setScreen(screen);
    const QRect all = screen->geometry();
    const QRect area = screen->availableGeometry();
    const QSize outer = window.frameGeometry().size();
    const PixelPoint corner = centredCorner({all.x(), all.y(), all.width(), all.height()},
                                            {area.x(), area.y(), area.width(), area.height()},
                                            outer.width(), outer.height());
    window.move(corner.x, corner.y);
    // A window manager tells the size of its frame only once the window
    // shows: it is centred again, frame included, as soon as that is known.
    if (!window.isVisible())
        new FrameWatch(window);
}

} // namespace duomira
