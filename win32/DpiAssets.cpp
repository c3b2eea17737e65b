#include "DpiAssets.h"

namespace duomira {

const Pictures& DpiAssets::pictures(int dpi) {
    std::unique_ptr<Pictures>& set = pictures_[dpi];
    if (!set)
        set = std::make_unique<Pictures>(instance_, dpi);
    return *set;
}

const GameFonts& DpiAssets::fonts(int dpi) {
    std::unique_ptr<GameFonts>& set = fonts_[dpi];
    if (!set)
        set = std::make_unique<GameFonts>(dpi);
    return *set;
}

int dpiOf(HWND window) {
    return static_cast<int>(GetDpiForWindow(window));
}

} // namespace duomira
