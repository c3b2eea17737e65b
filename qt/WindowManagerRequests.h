#pragma once

class QDialog;
class QWidget;

namespace duomira {

// Qt makes every dialog-like top-level window transient for the program on
// X11, for want of an owner: the window manager then keeps it above the
// game's window. A window that belongs to no other loses that tie once shown.
void forgetOwner(QWidget& window);

// Shows a window in front with the keys. An X11 window manager brings it
// there when asked. Wayland has no request a compositor must honour (sway
// only marks the window urgent), but every compositor puts a window that
// maps in front with the keys: there a window already shown is mapped anew.
void bringToFront(QWidget& window);

// Runs a modal dialog as QDialog::exec() does, except that its loop ends only
// when the dialog is done: mapping it anew does not close it.
void runModal(QDialog& dialog);

} // namespace duomira
