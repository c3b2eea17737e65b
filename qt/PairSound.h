#pragma once

#include <QByteArray>

struct ca_context;

namespace duomira {

// The pair's sound: the desktop's own "bell" event sound from the
// freedesktop sound theme, played through the session's sound server, or the
// X bell where no sound server runs. It opens no sound card itself and has no
// sound server started for it.
class PairSound {
public:
    PairSound();
    ~PairSound();
    PairSound(const PairSound&) = delete;
    PairSound& operator=(const PairSound&) = delete;

    void play();

private:
    QByteArray bell_;
    ca_context* context_ = nullptr;
};

} // namespace duomira
