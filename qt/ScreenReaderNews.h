#pragma once

#include <QString>
#include <QWidget>

namespace duomira {

// What a screen reader must say without the player moving: a card that turned
// under the keyboard focus, and the status as it changes. Qt tells the
// accessibility bus of a changed name without the name itself, and Orca
// ignores such changes; these are the events it does speak.

// The focused card as news: to the screen reader it is a new object taking
// the focus, so it reads the card's new name as it reads any focus move.
void announceFocusedCard(QWidget& card);

// A notification, unseen, that speaks each text it is given.
class StatusNews : public QWidget {
    Q_OBJECT
public:
    explicit StatusNews(QWidget* parent);
    void tell(const QString& text);
};

} // namespace duomira
