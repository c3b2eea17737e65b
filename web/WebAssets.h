#pragma once

#include "Twips.h"

#include <emscripten/val.h>

#include <array>
#include <functional>
#include <string>

namespace duomira::web {

// The pictures, the hand and the fonts, taken from the file package that
// loads with the page: each becomes an object URL or a font face of the
// page's own, so that nothing is asked of the network once the page is up.
class WebAssets {
public:
    WebAssets();

    // For an image's srcset: the picture drawn for each density.
    const std::string& face(int picture) const;
    const std::string& back() const { return back_; }
    // A card picture's size in pixels at one pixel to a pixel; -1 the back.
    PixelPoint size(int picture) const;
    const std::string& aboutPicture() const { return aboutPicture_; }
    // For a CSS cursor: the hand, its hotspot at the top-left corner.
    const std::string& handCursor() const { return handCursor_; }
    const std::string& icon() const { return icon_; }
    // Runs once every font is ready to draw.
    void whenFontsReady(std::function<void()> ready) const;

private:
    std::array<std::string, 12> faces_;
    std::string back_;
    std::array<PixelPoint, 13> sizes_{};
    std::string aboutPicture_;
    std::string handCursor_;
    std::string icon_;
    emscripten::val fontsLoaded_ = emscripten::val::array();
};

} // namespace duomira::web
