#pragma once

class QScreen;
class QWidget;

namespace duomira {

// Moves a top-level window onto the screen, its whole frame centred there as
// the shared rule places it (again once a hidden window's frame is known);
// the primary screen where none is named.
void centreOnScreen(QWidget& window, QScreen* screen = nullptr);

} // namespace duomira
