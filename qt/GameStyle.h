#pragma once

#include <QProxyStyle>

namespace duomira {

// The classic look: Qt's built-in "Windows" style, which draws the sunken
// picture borders and the etched, captioned frame. One thing differs: the
// menu bar's overflow arrow has no picture. The window's size is fixed and its
// menus always fit, so the arrow never shows; loading its picture would have
// Qt's image reader try every image plugin while the window is being built.
class GameStyle : public QProxyStyle {
    Q_OBJECT
public:
    GameStyle();
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override;
};

// The style and the classic grey scheme's colours for every window of the
// program, whatever the desktop's theme prefers. Before the first window.
void useGameLook();

} // namespace duomira
