#include "SoakSettings.h"

#include <QString>
#include <QtGlobal>

#include <limits>
#include <random>
#include <stdexcept>

namespace duomira::soak {

namespace {
constexpr std::uint64_t kDefaultEvents = 20'000;

std::uint64_t numberFrom(const char* name, std::uint64_t largest) {
    const QString text = qEnvironmentVariable(name).trimmed();
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok);
    if (!ok || value > largest) {
        throw std::invalid_argument(std::string(name) + " is not a number: \"" +
                                    text.toStdString() + "\"");
    }
    return value;
}

bool isSet(const char* name) {
    return !qEnvironmentVariable(name).trimmed().isEmpty();
}
} // namespace

SoakSettings readSettings() {
    SoakSettings settings;
    settings.events = isSet("SOAK_EVENTS")
                          ? numberFrom("SOAK_EVENTS", std::numeric_limits<std::uint64_t>::max())
                          : kDefaultEvents;
    settings.seed = isSet("SOAK_SEED")
                        ? static_cast<std::uint32_t>(
                              numberFrom("SOAK_SEED", std::numeric_limits<std::uint32_t>::max()))
                        : std::random_device{}();
    return settings;
}

} // namespace duomira::soak
