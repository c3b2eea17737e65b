#pragma once

#include "CloseTimerGate.h"

#include <QString>

#include <functional>

class QAction;
class QTimer;

namespace duomira {
class MainWindow;
}

namespace duomira::soak {

// The player's hands on the real window: mouse events on the card slots,
// menu commands, keys and buttons of the dialogs, and the close timer's ticks.
class WindowDriver {
public:
    // Throws std::runtime_error when the menus are not where the driver
    // expects them, rather than risk choosing the End command by mistake.
    explicit WindowDriver(MainWindow& window);

    void click(int card);
    // Press, release, the double-click press, release: one click for the game.
    void doubleClick(int card);
    void tick() { gate_.tick(); }
    void restart();
    void passwordCommand();
    // Types into the open password dialog and presses its OK button.
    void answerPassword(const QString& typed);
    void closePasswordBox();
    // Opens About through its menu command; `whileOpen` runs inside its modal
    // loop, then the dialog is rejected. False when no About dialog came up.
    bool about(const std::function<void()>& whileOpen);

    // What the event loop does between two events of a player: posted events
    // and the deletion of closed dialogs; no timers.
    void settle();
    int heldBackTicks() const { return gate_.heldBack(); }

private:
    static QTimer& closeTimerOf(MainWindow& window);

    MainWindow& window_;
    CloseTimerGate gate_;
    QAction* about_ = nullptr;
    QAction* restart_ = nullptr;
    QAction* password_ = nullptr;
};

} // namespace duomira::soak
