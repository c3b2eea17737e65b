#pragma once

#include "BoardAccess.h"

#include <QLabel>

namespace duomira {

// A picture box with a sunken border that takes the size of its picture and
// reports a click: a press and a release on it. The second press of a double
// click is no click of its own. It takes the keyboard focus too: Space or
// Enter is a click, the arrows and Home/End ask for the focus to move.
class CardSlot : public QLabel {
    Q_OBJECT
public:
    explicit CardSlot(QWidget* parent);
    void showPicture(const QPixmap& picture);
    // The dotted focus mark shows only while the player uses the keyboard.
    void setFocusMarkShown(bool shown);

signals:
    void clicked();
    void focusMoveRequested(form1::CardKey key);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect shownPart() const;

    bool pressed_ = false;
    bool focusMarkShown_ = false;
};

} // namespace duomira
