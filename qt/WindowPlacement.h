#pragma once

class QScreen;
class QWidget;

namespace duomira {

// Moves a top-level window onto the screen, its whole frame centred there as
// the shared rule places it; the primary screen where none is named.
void centreOnScreen(QWidget& window, QScreen* screen = nullptr);

// A window manager tells the size of its frame only once the window shows:
// the window is centred again, frame included, as soon as it is known.
void centreAgainOnceFramed(QWidget& window);

} // namespace duomira
