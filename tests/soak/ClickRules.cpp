#include "ClickRules.h"

#include "MainWindow.h"

namespace duomira::soak {

GameSnapshot GameSnapshot::of(const BoardModel& model) {
    GameSnapshot snapshot;
    snapshot.turned = model.Turned();
    snapshot.firstCard = model.FirstCard();
    snapshot.lastCard = model.LastCard();
    snapshot.tryCount = model.TryCount();
    snapshot.pairCount = model.PairCount();
    for (int c = 0; c < kCardCount; ++c) {
        snapshot.state[static_cast<std::size_t>(c)] = model.CardState(c);
        snapshot.picture[static_cast<std::size_t>(c)] = model.CardPic(c);
    }
    return snapshot;
}

ClickKind predictClick(const GameSnapshot& before, int card) {
    const auto at = [](const auto& cards, int c) { return cards[static_cast<std::size_t>(c)]; };
    if (at(before.state, card) != STATE_IN_PLAY) {
        return ClickKind::OnMatchedCard;
    }
    if (before.turned == 0) {
        return ClickKind::FirstCard;
    }
    if (before.firstCard == card ||
        at(before.picture, before.firstCard) != at(before.picture, card)) {
        return ClickKind::FailedAttempt;
    }
    return before.pairCount == kPictureCount ? ClickKind::LastPairFound : ClickKind::PairFound;
}

const char* nameOf(ClickKind kind) {
    switch (kind) {
    case ClickKind::OnMatchedCard:
        return "on a matched card";
    case ClickKind::FirstCard:
        return "first card";
    case ClickKind::FailedAttempt:
        return "failed attempt";
    case ClickKind::PairFound:
        return "pair";
    case ClickKind::LastPairFound:
        return "last pair";
    }
    return "?";
}

std::optional<QString> statusAfter(ClickKind kind, const BoardModel& after) {
    // The counters have gone up past the attempt and the pair the text names.
    const QString attempt = QString::number(after.TryCount() - 1);
    const QString pair = QString::number(after.PairCount() - 1);
    switch (kind) {
    case ClickKind::FailedAttempt:
        return attempt + QStringLiteral("회");
    case ClickKind::PairFound:
        return attempt + QStringLiteral("번째에 ") + pair + QStringLiteral("개 그림이 열렸습니다");
    case ClickKind::LastPairFound:
        return attempt + QStringLiteral("번째에 ") + pair + QStringLiteral("개 성공했네요");
    case ClickKind::OnMatchedCard:
    case ClickKind::FirstCard:
        break;
    }
    return std::nullopt;
}

namespace {
bool isAttempt(ClickKind kind) {
    return kind == ClickKind::FailedAttempt || kind == ClickKind::PairFound ||
           kind == ClickKind::LastPairFound;
}

bool isPair(ClickKind kind) {
    return kind == ClickKind::PairFound || kind == ClickKind::LastPairFound;
}

Int16 turnedAfter(const GameSnapshot& before, ClickKind kind) {
    if (kind == ClickKind::OnMatchedCard) {
        return before.turned;
    }
    return kind == ClickKind::FirstCard ? 1 : 0;
}

void expect(QStringList& wrong, bool holds, const QString& what, const QString& seen) {
    if (!holds) {
        wrong << QStringLiteral("%1 (it is %2)").arg(what, seen);
    }
}

void expect(QStringList& wrong, bool holds, const QString& what, long long seen) {
    expect(wrong, holds, what, QString::number(seen));
}
} // namespace

QStringList wrongMoves(const GameSnapshot& before, int card, ClickKind kind,
                       const MainWindow& after) {
    const BoardModel& model = after.model();
    QStringList wrong;
    expect(wrong, model.LastCard() == card, QStringLiteral("LastCard is not the clicked card"),
           model.LastCard());
    expect(wrong, model.Turned() == turnedAfter(before, kind),
           QStringLiteral("Turned should be %1").arg(turnedAfter(before, kind)), model.Turned());
    if (kind == ClickKind::FirstCard) {
        expect(wrong, model.FirstCard() == card,
               QStringLiteral("FirstCard is not the card just turned"), model.FirstCard());
    }
    const int tries = before.tryCount + (isAttempt(kind) ? 1 : 0);
    expect(wrong, model.TryCount() == tries, QStringLiteral("TryCount should be %1").arg(tries),
           model.TryCount());
    const int pairs = before.pairCount + (isPair(kind) ? 1 : 0);
    expect(wrong, model.PairCount() == pairs, QStringLiteral("PairCount should be %1").arg(pairs),
           model.PairCount());
    if (isPair(kind)) {
        expect(wrong,
               model.CardState(card) == STATE_MATCHED &&
                   model.CardState(before.firstCard) == STATE_MATCHED,
               QStringLiteral("cards %1 and %2 should both be matched")
                   .arg(before.firstCard)
                   .arg(card),
               QStringLiteral("%1 and %2")
                   .arg(model.CardState(before.firstCard))
                   .arg(model.CardState(card)));
    }
    // A click first does the work of a pending tick, so the timer runs after
    // it only when this very click started it.
    const bool timerRuns = kind == ClickKind::FailedAttempt || kind == ClickKind::LastPairFound;
    expect(wrong, after.closeTimer().isActive() == timerRuns,
           QStringLiteral("the close timer should %1").arg(timerRuns ? "run" : "be stopped"),
           after.closeTimer().isActive() ? QStringLiteral("running") : QStringLiteral("stopped"));
    return wrong;
}

int partnerOf(const BoardModel& model, int card) {
    for (int other = 0; other < kCardCount; ++other) {
        if (other != card && model.CardPic(other) == model.CardPic(card)) {
            return other;
        }
    }
    return card;
}

} // namespace duomira::soak
