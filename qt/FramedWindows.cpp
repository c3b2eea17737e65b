#include "FramedWindows.h"

#include <QByteArray>
#include <QtGlobal>

#include <wayland-client.h>

#include <cstdint>
#include <cstring>

namespace duomira {

namespace {

void noteDecorationManager(void* found, wl_registry* /*registry*/, std::uint32_t /*name*/,
                           const char* interface, std::uint32_t /*version*/) {
    if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0)
        *static_cast<bool*>(found) = true;
}

void ignoreRemoval(void* /*found*/, wl_registry* /*registry*/, std::uint32_t /*name*/) {}

// Whether the session's compositor offers to draw the windows' frames; true
// where there is no Wayland compositor to ask.
bool compositorFramesWindows() {
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr)
        return true;
    bool found = false;
    static const wl_registry_listener listener{noteDecorationManager, ignoreRemoval};
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &found);
    wl_display_roundtrip(display);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return found;
}

} // namespace

void preferFramedWindows() {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY") ||
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return;
    if (!compositorFramesWindows())
        qputenv("QT_QPA_PLATFORM", "xcb;wayland"); // Wayland still, should X fail
}

} // namespace duomira
