#include "PairSound.h"

#include "MainForm.h"

#include <QApplication>
#include <QFileInfo>
#include <QStandardPaths>

#include <canberra.h>

namespace duomira {

namespace {

// The server the session names, or its usual socket. main() names it in
// PULSE_SERVER, so that the sound library never starts a server itself.
bool soundServerRuns() {
    const QString server = qEnvironmentVariable("PULSE_SERVER");
    if (!server.startsWith(QLatin1String("unix:")))
        return !server.isEmpty();
    return QFileInfo(server.mid(5)).exists();
}

// The bell of the freedesktop sound theme, the theme the sound library plays
// from. The game finds the file itself: asked for the sound by its name, the
// library keeps a cache of what it looked up in the home folder, and the game
// writes nothing.
QByteArray bellFile() {
    return QFile::encodeName(QStandardPaths::locate(
        QStandardPaths::GenericDataLocation, QStringLiteral("sounds/freedesktop/stereo/bell.oga")));
}

} // namespace

PairSound::PairSound() : bell_(bellFile()) {
    if (bell_.isEmpty() || !soundServerRuns() || ca_context_create(&context_) != CA_SUCCESS)
        return;
    // Only the sound server: left to choose, the library would open the sound card itself.
    if (ca_context_set_driver(context_, "pulse") != CA_SUCCESS ||
        ca_context_change_props(context_, CA_PROP_APPLICATION_NAME, form1::kCaption, nullptr) !=
            CA_SUCCESS ||
        ca_context_open(context_) != CA_SUCCESS) {
        ca_context_destroy(context_);
        context_ = nullptr;
    }
}

PairSound::~PairSound() {
    if (context_ != nullptr)
        ca_context_destroy(context_);
}

void PairSound::play() {
    if (context_ == nullptr || ca_context_play(context_, 0, CA_PROP_MEDIA_FILENAME,
                                               bell_.constData(), nullptr) != CA_SUCCESS)
        QApplication::beep();
}

} // namespace duomira
