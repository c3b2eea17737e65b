#include "WindowManagerRequests.h"

#include <QDialog>
#include <QEventLoop>
#include <QGuiApplication>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>

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

// Whether the window manager still shows the window (ICCCM's WM_STATE is
// NormalState), asked of the X server after all it was told so far.
bool shownByWindowManager(const QWidget& window) {
    xcb_connection_t* connection = x11Connection(window);
    if (connection == nullptr)
        return false;
    const xcb_intern_atom_reply_t* atom = nullptr;
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> wmState(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, 8, "WM_STATE"), nullptr),
        &std::free);
    atom = wmState.get();
    if (atom == nullptr)
        return false;
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> state(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0,
                                                static_cast<xcb_window_t>(window.winId()),
                                                atom->atom, atom->atom, 0, 1),
                               nullptr),
        &std::free);
    constexpr std::uint32_t kNormalState = 1;
    return state != nullptr && xcb_get_property_value_length(state.get()) >= 4 &&
           *static_cast<const std::uint32_t*>(xcb_get_property_value(state.get())) == kNormalState;
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
    const bool wayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    if (wayland && window.isVisible())
        window.hide(); // to be mapped anew
    window.show();
    if (!wayland) {
        window.raise();
        window.activateWindow();
    }
}

namespace {

// A modal dialog and the window it blocks are minimised and restored
// together, as most window managers do themselves; KWin would leave the
// dialog alone on the screen.
class MinimisedTogether : public QObject {
public:
    MinimisedTogether(QWidget& dialog, QWidget& owner) : dialog_(dialog), owner_(owner) {
        dialog.installEventFilter(this);
        owner.installEventFilter(this);
    }
    ~MinimisedTogether() override {
        dialog_.removeEventFilter(this);
        owner_.removeEventFilter(this);
    }
    MinimisedTogether(const MinimisedTogether&) = delete;
    MinimisedTogether& operator=(const MinimisedTogether&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::WindowStateChange ||
            owner_.isMinimized() == dialog_.isMinimized())
            return false;
        if (watched == &dialog_ && dialog_.isMinimized()) {
            owner_.showMinimized();
        } else if (watched == &owner_ && owner_.isMinimized()) {
            // Only where the window manager left it: mutter refuses to
            // minimise a dialog, and restores its board when asked to.
            if (shownByWindowManager(dialog_))
                dialog_.showMinimized();
        } else if (watched == &owner_) {
            // A dialog back to normal may only have been refused its
            // minimising (mutter minimises no dialog): the board comes back
            // only by its own restoring.
            dialog_.setWindowState(dialog_.windowState() & ~Qt::WindowMinimized);
            bringToFront(dialog_);
        }
        return false;
    }

private:
    QWidget& dialog_;
    QWidget& owner_;
};

} // namespace

void runModal(QDialog& dialog) {
    std::optional<MinimisedTogether> together;
    if (QWidget* owner = dialog.parentWidget())
        together.emplace(dialog, *owner->window());
    dialog.setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    dialog.show();
    loop.exec(QEventLoop::DialogExec);
}

} // namespace duomira
