#include "Invariants.h"

#include "MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>

#include <array>

namespace duomira::soak {

namespace {
qint64 shownKey(const MainWindow& window, int card) {
    return window.card(card)->pixmap().cacheKey();
}

bool validPicture(Int16 picture) {
    return picture >= 0 && picture < kPictureCount;
}

void checkStatesAndPairs(const BoardModel& model, QStringList& broken) {
    std::array<int, kPictureCount> cards{};
    std::array<int, kPictureCount> matched{};
    for (int c = 0; c < kCardCount; ++c) {
        const Int16 state = model.CardState(c);
        if (state != STATE_IN_PLAY && state != STATE_MATCHED) {
            broken << QStringLiteral("card %1 is in state %2").arg(c).arg(state);
        }
        const Int16 picture = model.CardPic(c);
        if (!validPicture(picture)) {
            broken << QStringLiteral("card %1 holds picture %2").arg(c).arg(picture);
            continue;
        }
        ++cards[static_cast<std::size_t>(picture)];
        matched[static_cast<std::size_t>(picture)] += state == STATE_MATCHED ? 1 : 0;
    }
    int pairsFound = 0;
    for (int p = 0; p < kPictureCount; ++p) {
        const auto at = static_cast<std::size_t>(p);
        if (cards[at] != 2) {
            broken << QStringLiteral("picture %1 lies on %2 cards").arg(p).arg(cards[at]);
        }
        if (matched[at] == 1) {
            broken << QStringLiteral("only one card of picture %1 is matched").arg(p);
        }
        pairsFound += matched[at] == 2 ? 1 : 0;
    }
    if (model.PairCount() != pairsFound + 1) {
        broken << QStringLiteral("PairCount is %1 with %2 pairs found")
                      .arg(model.PairCount())
                      .arg(pairsFound);
    }
}

// A card up in play is the open first card, or the one the pending tick will
// turn back; after a reveal every card may be up.
bool mayBeUpInPlay(const MainWindow& window, const Expectation& expected, int card) {
    const BoardModel& model = window.model();
    return expected.revealedSinceDeal || (model.Turned() == 1 && model.FirstCard() == card) ||
           (window.closeTimer().isActive() && model.LastCard() == card);
}

void checkCards(const MainWindow& window, const Expectation& expected, QStringList& broken) {
    const BoardModel& model = window.model();
    const qint64 back = window.pictures().back().cacheKey();
    const bool boardShown = window.board()->isVisible();
    for (int c = 0; c < kCardCount; ++c) {
        if (!validPicture(model.CardPic(c))) {
            continue;
        }
        const qint64 face = window.pictures().face(model.CardPic(c)).cacheKey();
        const qint64 shown = shownKey(window, c);
        const bool matched = model.CardState(c) == STATE_MATCHED;
        if (shown != face && shown != back) {
            broken << QStringLiteral("card %1 shows neither its face nor the back").arg(c);
        } else if (matched && boardShown && shown != face) {
            broken << QStringLiteral("matched card %1 is face down").arg(c);
        } else if (!matched && shown == face && !mayBeUpInPlay(window, expected, c)) {
            broken << QStringLiteral("card %1 is up outside any attempt").arg(c);
        }
    }
    if (model.Turned() == 1 && (model.CardState(model.FirstCard()) != STATE_IN_PLAY ||
                                shownKey(window, model.FirstCard()) == back)) {
        broken << QStringLiteral("the open first card %1 is not up in play").arg(model.FirstCard());
    }
}

void checkBoardAndTimer(const MainWindow& window, QStringList& broken) {
    const bool ticking = window.closeTimer().isActive();
    if (ticking != window.model().closeTickPending()) {
        broken << QStringLiteral("the close timer %1, but the game waits for %2")
                      .arg(ticking ? "runs" : "is stopped",
                           window.model().closeTickPending() ? "a tick" : "no tick");
    }
    // Only the twelfth pair hides the board; a tick after a failed attempt
    // with eleven pairs found shows it too, but it was never hidden then.
    const bool endTickPending = ticking && window.model().PairCount() > kPictureCount;
    if (window.board()->isVisible() == endTickPending) {
        broken << (endTickPending ? QStringLiteral("the board is up before the end-of-game tick")
                                  : QStringLiteral("the board is hidden with no end-of-game tick "
                                                   "to come"));
    }
}

void checkStatus(const MainWindow& window, const Expectation& expected, QStringList& broken) {
    const QString shown = window.statusTitle()->text();
    if (shown != expected.status) {
        broken
            << QStringLiteral("status reads \"%1\", expected \"%2\"").arg(shown, expected.status);
    }
}

void checkPasswordDialogs(const MainWindow& window, const Expectation& expected,
                          QStringList& broken) {
    int dialogs = 0;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        dialogs += qobject_cast<PasswordDialog*>(top) != nullptr ? 1 : 0;
    }
    if (dialogs > 1) {
        broken << QStringLiteral("%1 password dialogs exist").arg(dialogs);
    }
    const bool open = window.passwordDialog() != nullptr && window.passwordDialog()->isVisible();
    if (open != expected.passwordOpen) {
        broken << QStringLiteral("the password dialog should be %1")
                      .arg(expected.passwordOpen ? "open" : "closed");
    }
}
} // namespace

QStringList brokenInvariants(const MainWindow& window, const Expectation& expected) {
    QStringList broken;
    checkStatesAndPairs(window.model(), broken);
    checkCards(window, expected, broken);
    checkBoardAndTimer(window, broken);
    checkStatus(window, expected, broken);
    checkPasswordDialogs(window, expected, broken);
    return broken;
}

QList<qint64> shownPictures(const MainWindow& window) {
    QList<qint64> keys;
    for (int c = 0; c < kCardCount; ++c) {
        keys << shownKey(window, c);
    }
    return keys;
}

} // namespace duomira::soak
