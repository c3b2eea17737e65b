#pragma once

#include "BoardModel.h"
#include "Twips.h"

#include <emscripten/val.h>

#include <array>
#include <functional>
#include <string>

namespace duomira::web {

// The pictures and the hand, taken from the files the program carries, each
// an object URL of the page's own, made when first asked for; and the fonts
// the page's style sheet declares, all fetched as the program starts. So
// nothing is asked of the network once the page is up.
class WebAssets {
public:
    WebAssets();

    // For an image's srcset: the picture drawn for each density.
    const std::string& face(int picture) const;
    const std::string& back() const;
    // A card picture's size in pixels at one pixel to a pixel; -1 the back.
    PixelPoint size(int picture) const;
    const std::string& aboutPicture() const;
    // For a CSS cursor: the hand, its hotspot at the top-left corner.
    const std::string& handCursor() const;
    const std::string& icon() const;
    // Runs once the fonts of the main window are ready to draw.
    void whenFontsReady(std::function<void()> ready) const;

private:
    mutable std::array<std::string, kPictureCount + 1> pictures_; // the faces, then the back
    mutable std::array<PixelPoint, kPictureCount + 1> sizes_{};
    mutable std::string aboutPicture_;
    mutable std::string handCursor_;
    mutable std::string icon_;
    emscripten::val fontsLoaded_ = emscripten::val::array();
};

} // namespace duomira::web
