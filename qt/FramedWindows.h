#pragma once

namespace duomira {

// Qt 6.4 draws its own frames where a Wayland compositor draws none (GNOME's
// mutter): every window then gets a maximise button, the dialogs a minimise
// button, a caption cut short, and no centring. Where such a session also
// offers its X server (XWayland), the game goes there, and the window manager
// frames its windows as designed. A choice of the player's (QT_QPA_PLATFORM)
// stands.
void preferFramedWindows();

} // namespace duomira
