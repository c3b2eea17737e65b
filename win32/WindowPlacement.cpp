#include "WindowPlacement.h"

#include "Centring.h"

namespace duomira {

void centreOnScreen(HWND window) {
    const PixelRect screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    RECT outer{};
    GetWindowRect(window, &outer);
    const PixelPoint corner =
        centredCorner(screen, {area.left, area.top, area.right - area.left, area.bottom - area.top},
                      outer.right - outer.left, outer.bottom - outer.top);
    SetWindowPos(window, nullptr, corner.x, corner.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace duomira
