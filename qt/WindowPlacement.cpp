#include "WindowPlacement.h"

#include "Centring.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace duomira {

void centreOnScreen(QWidget& window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect all = screen->geometry();
    const QRect area = screen->availableGeometry();
    const QSize outer = window.frameGeometry().size();
    const PixelPoint corner = centredCorner({all.x(), all.y(), all.width(), all.height()},
                                            {area.x(), area.y(), area.width(), area.height()},
                                            outer.width(), outer.height());
    window.move(corner.x, corner.y);
}

} // namespace duomira
