#pragma once

class QWidget;

namespace duomira {

// Moves a top-level window so that it is centred on the screen, as the
// shared rule places it.
void centreOnScreen(QWidget& window);

} // namespace duomira
