#include "WindowManagerRequests.h"

#include <QDialog>
#include <QEventLoop>
#include <QGuiApplication>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

namespace duomira {

namespace {

// The X connection where the window is an X window (not on Wayland or offscreen).
xcb_connection_t* x11Connection(const QWidget& window) {
    const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() != QLatin1String("xcb") || x11 == nullptr ||
        window.windowHandle() == nullptr)
        return nullptr;
    return x11->connection();
}

} // namespace

void forgetOwner(QWidget& window) {
    if (xcb_connection_t* connection = x11Connection(window)) {
        xcb_delete_property(connection, static_cast<xcb_window_t>(window.winId()),
                            XCB_ATOM_WM_TRANSIENT_FOR);
        xcb_flush(connection);
    }
}

void bringToFront(QWidget& window) {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")) &&
        window.isVisible()) {
        window.hide();
        window.show();
    } else {
        window.raise();
        window.activateWindow();
    }
}

void runModal(QDialog& dialog) {
    dialog.setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    dialog.show();
    loop.exec(QEventLoop::DialogExec);
}

} // namespace duomira
