#pragma once

#include <QLabel>

namespace duomira {

class GameController;

// A picture box with a sunken border that takes the size of its picture. It
// passes the mouse, its keys and its focus to the game as the card it is;
// the game decides what makes a click, a turn or a move.
class CardSlot : public QLabel {
    Q_OBJECT
public:
    CardSlot(QWidget* parent, GameController& game, int card);
    void showPicture(const QPixmap& picture);
    // The dotted focus mark shows only while the player uses the keyboard.
    void setFocusMarkShown(bool shown);
    // A press and a release on the card, as a screen reader's press action.
    void click();

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect shownPart() const;

    GameController& game_;
    int card_;
    bool focusMarkShown_ = false;
};

} // namespace duomira
