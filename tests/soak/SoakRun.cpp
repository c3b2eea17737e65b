#include "SoakRun.h"

#include "MainWindow.h"

#include <QGroupBox>
#include <QLineEdit>

#include <array>
#include <utility>
#include <vector>

namespace duomira::soak {

namespace {
constexpr std::size_t kTrailLength = 16;

// Readings of the access number, and near misses.
const QStringList kRightNumbers = {QStringLiteral("-5.82"), QStringLiteral("-5.820")};
const QStringList kWrongNumbers = {QString(),
                                   QStringLiteral("5.82"),
                                   QStringLiteral("-5.8"),
                                   QStringLiteral("-5.83"),
                                   QStringLiteral("-582"),
                                   QStringLiteral("abc")};

QString pick(std::mt19937& random, const QStringList& choices) {
    return choices[std::uniform_int_distribution<qsizetype>(0, choices.size() - 1)(random)];
}

// The events draw from their own stream, apart from the deal's.
std::mt19937 eventStream(std::uint32_t seed) {
    std::seed_seq sequence{seed, 0x50a4U};
    return std::mt19937(sequence);
}
} // namespace

SoakRun::SoakRun(MainWindow& window, std::uint32_t seed)
    : window_(window), driver_(window), random_(eventStream(seed)) {}

bool SoakRun::play(std::uint64_t events) {
    check(QStringLiteral("after load"));
    while (failures_.isEmpty() && played_ < events) {
        ++played_;
        const QString what = playEvent(chooseEvent());
        trail_.push_back(QStringLiteral("#%1 %2").arg(played_).arg(what));
        if (trail_.size() > kTrailLength) {
            trail_.pop_front();
        }
        check(QString());
    }
    return failures_.isEmpty();
}

QStringList SoakRun::trail() const {
    return QStringList(trail_.begin(), trail_.end());
}

SoakRun::Event SoakRun::chooseEvent() {
    const bool ticking = window_.closeTimer().isActive();
    const bool boardShown = window_.board()->isVisible();
    const bool dialogOpen = expected_.passwordOpen;
    // A player may well restart right at the end-of-game blink.
    const double restart = endTickPending() ? 8 : 0.8;
    const std::array<std::pair<Event, double>, 9> weights = {{
        {Event::Click, boardShown ? 48 : 0},
        {Event::DoubleClick, boardShown ? 12 : 0},
        {Event::Tick, ticking ? 25 : 0},
        {Event::Restart, restart},
        {Event::PasswordCommand, 1.5},
        {Event::PasswordRight, dialogOpen ? 0.8 : 0},
        {Event::PasswordWrong, dialogOpen ? 0.8 : 0},
        {Event::PasswordCloseBox, dialogOpen ? 0.8 : 0},
        {Event::About, ticking ? 3 : 0.8}, // so ticks come in while it is open
    }};
    double total = 0;
    for (const auto& [event, weight] : weights) {
        total += weight;
    }
    double roll = std::uniform_real_distribution<double>(0, total)(random_);
    for (const auto& [event, weight] : weights) {
        if (roll < weight) {
            return event;
        }
        roll -= weight;
    }
    return Event::About;
}

bool SoakRun::chance(double probability) {
    return std::bernoulli_distribution(probability)(random_);
}

bool SoakRun::endTickPending() const {
    return window_.closeTimer().isActive() && window_.model().PairCount() > kPictureCount;
}

int SoakRun::cardIn(Int16 state) {
    std::vector<int> cards;
    for (int c = 0; c < kCardCount; ++c) {
        if (window_.model().CardState(c) == state) {
            cards.push_back(c);
        }
    }
    if (cards.empty()) {
        return std::uniform_int_distribution<int>(0, kCardCount - 1)(random_);
    }
    return cards[std::uniform_int_distribution<std::size_t>(0, cards.size() - 1)(random_)];
}

// Many clicks play to win, so games reach their end; the rest go anywhere,
// the same card and matched cards included.
int SoakRun::chooseCard() {
    const BoardModel& model = window_.model();
    const int roll = std::uniform_int_distribution<int>(0, 99)(random_);
    if (roll < 45) {
        return model.Turned() == 1 ? partnerOf(model, model.FirstCard()) : cardIn(STATE_IN_PLAY);
    }
    if (roll < 58) {
        return model.LastCard();
    }
    if (roll < 63) {
        return cardIn(STATE_MATCHED);
    }
    return std::uniform_int_distribution<int>(0, kCardCount - 1)(random_);
}

QString SoakRun::playEvent(Event event) {
    switch (event) {
    case Event::Click:
        return playClick(false);
    case Event::DoubleClick:
        return playClick(true);
    case Event::Tick:
        return playTick();
    case Event::Restart:
        return playRestart();
    case Event::PasswordCommand:
        return playPasswordCommand();
    case Event::PasswordRight:
        return playPasswordAnswer(true);
    case Event::PasswordWrong:
        return playPasswordAnswer(false);
    case Event::PasswordCloseBox:
        return playPasswordCloseBox();
    case Event::About:
        return playAbout();
    }
    return {};
}

QString SoakRun::playClick(bool twice) {
    const int card = chooseCard();
    const GameSnapshot before = GameSnapshot::of(window_.model());
    const bool pending = window_.closeTimer().isActive();
    const ClickKind kind = predictClick(before, card);
    if (twice) {
        driver_.doubleClick(card);
    } else {
        driver_.click(card);
    }
    driver_.settle();
    failures_ << wrongMoves(before, card, kind, window_);
    if (const auto status = statusAfter(kind, window_.model())) {
        expected_.status = *status;
    }
    ++(twice ? tally_.doubleClicks : tally_.clicks);
    tally_.clicksWithTickPending += pending ? 1 : 0;
    tally_.gamesWon += kind == ClickKind::LastPairFound ? 1 : 0;
    return QStringLiteral("%1 %2: %3%4")
        .arg(twice ? "double click" : "click")
        .arg(card)
        .arg(nameOf(kind), pending ? ", tick pending" : "");
}

QString SoakRun::playTick() {
    const GameSnapshot before = GameSnapshot::of(window_.model());
    // From eleven pairs on, a tick shows the board and turns nothing back.
    const bool showsBoard = before.pairCount >= kPictureCount;
    driver_.tick();
    driver_.settle();
    ++tally_.ticks;
    if (window_.closeTimer().isActive()) {
        failures_ << QStringLiteral("the tick left the close timer running");
    }
    if (!showsBoard && window_.card(before.lastCard)->pixmap().cacheKey() !=
                           window_.pictures().back().cacheKey()) {
        failures_ << QStringLiteral("the tick left card %1 up").arg(before.lastCard);
    }
    if (GameSnapshot::of(window_.model()) != before) {
        failures_ << QStringLiteral("the tick changed the game's state");
    }
    return showsBoard ? QStringLiteral("tick: shows the board")
                      : QStringLiteral("tick: turns back %1").arg(before.lastCard);
}

QString SoakRun::playRestart() {
    const bool midAttempt = window_.model().Turned() == 1;
    const bool pending = window_.closeTimer().isActive();
    const bool beforeEndTick = endTickPending();
    driver_.restart();
    driver_.settle();
    expected_.status.clear();
    expected_.revealedSinceDeal = false;
    const BoardModel& model = window_.model();
    if (model.Turned() != 0 || model.TryCount() != 1 || model.PairCount() != 1) {
        failures_ << QStringLiteral("the deal left Turned %1, TryCount %2, PairCount %3")
                         .arg(model.Turned())
                         .arg(model.TryCount())
                         .arg(model.PairCount());
    }
    expectAllShowing(false, QStringLiteral("the deal"));
    ++tally_.restarts;
    tally_.restartsMidAttempt += midAttempt ? 1 : 0;
    tally_.restartsWithTickPending += pending ? 1 : 0;
    tally_.restartsBeforeEndTick += beforeEndTick ? 1 : 0;
    return QStringLiteral("restart%1%2%3")
        .arg(midAttempt ? ", one card up" : "", pending ? ", tick pending" : "",
             beforeEndTick ? ", before the end-of-game tick" : "");
}

QString SoakRun::playPasswordCommand() {
    const bool wasOpen = expected_.passwordOpen;
    driver_.passwordCommand();
    driver_.settle();
    expected_.passwordOpen = true;
    if (wasOpen && window_.passwordDialog() != openDialog_) {
        failures_ << QStringLiteral("the password command made a second dialog");
    }
    openDialog_ = window_.passwordDialog();
    ++tally_.passwordCommands;
    return wasOpen ? QStringLiteral("password command, dialog already open")
                   : QStringLiteral("password command");
}

QString SoakRun::playPasswordAnswer(bool right) {
    const GameSnapshot before = GameSnapshot::of(window_.model());
    const QList<qint64> shownBefore = shownPictures(window_);
    const QString typed = pick(random_, right ? kRightNumbers : kWrongNumbers);
    if (!window_.passwordDialog()->entry()->text().isEmpty()) {
        failures_ << QStringLiteral("the password box was not empty");
    }
    driver_.answerPassword(typed);
    driver_.settle();
    expected_.passwordOpen = false;
    QString event = QStringLiteral("password \"%1\" and OK").arg(typed);
    if (right) {
        expected_.revealedSinceDeal = true;
        expectAllShowing(true, event);
        if (GameSnapshot::of(window_.model()) != before) {
            failures_ << QStringLiteral("the reveal changed the game's state");
        }
        ++tally_.reveals;
    } else {
        expectUnchanged(before, shownBefore, event);
        ++tally_.wrongNumbers;
    }
    return event;
}

QString SoakRun::playPasswordCloseBox() {
    const GameSnapshot before = GameSnapshot::of(window_.model());
    const QList<qint64> shownBefore = shownPictures(window_);
    driver_.closePasswordBox();
    driver_.settle();
    expected_.passwordOpen = false;
    expectUnchanged(before, shownBefore, QStringLiteral("closing the password dialog"));
    ++tally_.closeBoxes;
    return QStringLiteral("password dialog close box");
}

QString SoakRun::playAbout() {
    const GameSnapshot before = GameSnapshot::of(window_.model());
    const QList<qint64> shownBefore = shownPictures(window_);
    const bool tickInside = window_.closeTimer().isActive() && chance(0.5);
    const bool cameUp = driver_.about([this, tickInside] {
        if (tickInside) {
            driver_.tick();
        }
        check(QStringLiteral("while About is open"));
    });
    driver_.settle();
    if (!cameUp) {
        failures_ << QStringLiteral("the About command put up no modal About dialog");
    }
    if (!tickInside) {
        expectUnchanged(before, shownBefore, QStringLiteral("the About dialog"));
    }
    ++tally_.abouts;
    tally_.ticksDuringAbout += tickInside ? 1 : 0;
    return tickInside ? QStringLiteral("About, a tick while it is open") : QStringLiteral("About");
}

void SoakRun::check(const QString& when) {
    QStringList broken = brokenInvariants(window_, expected_);
    for (const QString& text : errorBoxes_.takeSeen()) {
        broken << QStringLiteral("a game error box appeared: %1").arg(text);
    }
    for (const QString& rule : broken) {
        failures_ << (when.isEmpty() ? rule : when + QStringLiteral(": ") + rule);
    }
}

void SoakRun::expectUnchanged(const GameSnapshot& before, const QList<qint64>& shownBefore,
                              const QString& event) {
    if (GameSnapshot::of(window_.model()) != before) {
        failures_ << event + QStringLiteral(" changed the game's state");
    }
    if (shownPictures(window_) != shownBefore) {
        failures_ << event + QStringLiteral(" turned cards");
    }
}

void SoakRun::expectAllShowing(bool faces, const QString& event) {
    const qint64 back = window_.pictures().back().cacheKey();
    for (int c = 0; c < kCardCount; ++c) {
        const Int16 picture = window_.model().CardPic(c);
        const qint64 shown = window_.card(c)->pixmap().cacheKey();
        const bool right = faces ? picture >= 0 && picture < kPictureCount &&
                                       shown == window_.pictures().face(picture).cacheKey()
                                 : shown == back;
        if (!right) {
            failures_ << event +
                             QStringLiteral(" left card %1 %2").arg(c).arg(faces ? "down" : "up");
        }
    }
}

QString SoakRun::summary() const {
    const Tally& t = tally_;
    return QStringLiteral("%1 clicks and %2 double clicks (%3 with a tick pending), %4 games won, "
                          "%5 ticks, %6 restarts (%7 with a card up, %8 with a tick pending, %9 "
                          "before the end-of-game tick), ")
               .arg(t.clicks)
               .arg(t.doubleClicks)
               .arg(t.clicksWithTickPending)
               .arg(t.gamesWon)
               .arg(t.ticks)
               .arg(t.restarts)
               .arg(t.restartsMidAttempt)
               .arg(t.restartsWithTickPending)
               .arg(t.restartsBeforeEndTick) +
           QStringLiteral("%1 password commands, %2 reveals, %3 wrong numbers, %4 close boxes, "
                          "%5 About dialogs (%6 with a tick inside)")
               .arg(t.passwordCommands)
               .arg(t.reveals)
               .arg(t.wrongNumbers)
               .arg(t.closeBoxes)
               .arg(t.abouts)
               .arg(t.ticksDuringAbout);
}

} // namespace duomira::soak
