#pragma once

class QWidget;

namespace duomira {

// Qt makes every dialog-like top-level window transient for the program on
// X11, for want of an owner: the window manager then keeps it above the
// game's window. A window that belongs to no other loses that tie once shown.
void forgetOwner(QWidget& window);

} // namespace duomira
