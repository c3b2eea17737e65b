#pragma once

#include <QString>
#include <QStringList>

namespace duomira {
class MainWindow;
}

namespace duomira::soak {

// What the driver knows from the events it sent, beyond the game's own state.
struct Expectation {
    QString status;                 // the status title, from the last event that set it
    bool revealedSinceDeal = false; // the access number has turned every card up
    bool passwordOpen = false;
};

// Every rule that must hold between two events; empty when all of them do.
QStringList brokenInvariants(const MainWindow& window, const Expectation& expected);

// The picture each slot shows, to tell whether an event changed any card.
QList<qint64> shownPictures(const MainWindow& window);

} // namespace duomira::soak
