#pragma once

#include "ClickRules.h"
#include "ErrorBoxWatch.h"
#include "Invariants.h"
#include "WindowDriver.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <deque>
#include <random>

namespace duomira {
class MainWindow;
class PasswordDialog;
} // namespace duomira

namespace duomira::soak {

// How often the run met the situations worth meeting.
struct Tally {
    int clicks = 0;
    int doubleClicks = 0;
    int clicksWithTickPending = 0;
    int ticks = 0;
    int restarts = 0;
    int restartsMidAttempt = 0;
    int restartsWithTickPending = 0;
    int restartsBeforeEndTick = 0;
    int gamesWon = 0;
    int passwordCommands = 0;
    int reveals = 0;
    int wrongNumbers = 0;
    int closeBoxes = 0;
    int abouts = 0;
    int ticksDuringAbout = 0;
};

// A seeded stream of player events on the real window, every rule checked
// after every event. The same seed plays the same events on the same deals.
class SoakRun {
public:
    SoakRun(MainWindow& window, std::uint32_t seed);

    // Stops at the first event that breaks a rule; false then.
    bool play(std::uint64_t events);

    std::uint64_t played() const { return played_; }
    const QStringList& failures() const { return failures_; }
    QStringList trail() const;
    QString summary() const;

private:
    enum class Event {
        Click,
        DoubleClick,
        Tick,
        Restart,
        PasswordCommand,
        PasswordRight,
        PasswordWrong,
        PasswordCloseBox,
        About,
    };

    Event chooseEvent();
    int chooseCard();
    int cardIn(Int16 state);
    bool chance(double probability);
    bool endTickPending() const;

    QString playEvent(Event event);
    QString playClick(bool twice);
    QString playTick();
    QString playRestart();
    QString playPasswordCommand();
    QString playPasswordAnswer(bool right);
    QString playPasswordCloseBox();
    QString playAbout();

    void check(const QString& when);
    void expectUnchanged(const GameSnapshot& before, const QList<qint64>& shownBefore,
                         const QString& event);
    void expectAllShowing(bool faces, const QString& event);

    MainWindow& window_;
    WindowDriver driver_;
    ErrorBoxWatch errorBoxes_;
    std::mt19937 random_;
    Expectation expected_;
    const PasswordDialog* openDialog_ = nullptr; // compared, never used
    std::deque<QString> trail_;
    QStringList failures_;
    std::uint64_t played_ = 0;
    Tally tally_;
};

} // namespace duomira::soak
