#include "CloseTimerGate.h"

#include <QCoreApplication>
#include <QTimer>
#include <QTimerEvent>

namespace duomira::soak {

CloseTimerGate::CloseTimerGate(QTimer& timer) : timer_(timer) {
    timer_.installEventFilter(this);
}

CloseTimerGate::~CloseTimerGate() {
    timer_.removeEventFilter(this);
}

void CloseTimerGate::tick() {
    QTimerEvent event(timer_.timerId());
    delivering_ = true;
    QCoreApplication::sendEvent(&timer_, &event);
    delivering_ = false;
}

bool CloseTimerGate::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &timer_ && event->type() == QEvent::Timer && !delivering_) {
        ++heldBack_;
        return true;
    }
    return false;
}

} // namespace duomira::soak
