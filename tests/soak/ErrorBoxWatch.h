#pragma once

#include <QObject>
#include <QStringList>

namespace duomira::soak {

// Notices every game error box the window puts up, keeps its text and closes
// it again, so a run reports the error instead of waiting on a modal box.
class ErrorBoxWatch : public QObject {
public:
    ErrorBoxWatch();
    ~ErrorBoxWatch() override;

    // The texts of the boxes seen since the last call.
    QStringList takeSeen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QStringList seen_;
};

} // namespace duomira::soak
