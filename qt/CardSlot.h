#pragma once

#include <QLabel>

namespace duomira {

// A picture box with a sunken border that takes the size of its picture and
// reports a click: a press and a release on it. The second press of a double
// click is no click of its own.
class CardSlot : public QLabel {
    Q_OBJECT
public:
    explicit CardSlot(QWidget* parent);
    void showPicture(const QPixmap& picture);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace duomira
