#pragma once

#include <QObject>

class QTimer;

namespace duomira::soak {

// Puts the close timer's ticks in the driver's hands: the clock's own ticks
// are held back, so a run depends on its seed and not on how fast the machine
// is, and tick() delivers one exactly as the event dispatcher would.
class CloseTimerGate : public QObject {
public:
    explicit CloseTimerGate(QTimer& timer);
    ~CloseTimerGate() override;

    void tick();
    int heldBack() const { return heldBack_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTimer& timer_;
    bool delivering_ = false;
    int heldBack_ = 0;
};

} // namespace duomira::soak
