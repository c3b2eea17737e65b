#include "WebAssets.h"

#include "CardArray.h"
#include "Dom.h"

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

namespace duomira::web {

using emscripten::val;

namespace {

constexpr std::array<const char*, 3> kDensities = {"", "@1.5x", "@2x"};
constexpr std::array<const char*, 3> kDensityNames = {"1x", "1.5x", "2x"};

// A packaged file's bytes (C's stdio: the C++ streams would double the
// program's size for three reads).
std::vector<unsigned char> readPackaged(const std::string& path) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                               &std::fclose);
    std::vector<unsigned char> bytes;
    unsigned char block[4096];
    for (std::size_t read = 0; file && (read = std::fread(block, 1, sizeof block, file.get())) > 0;)
        bytes.insert(bytes.end(), block, block + read);
    if (bytes.empty())
        throw std::runtime_error("the page's file package lacks " + path);
    return bytes;
}

// The bytes as a new array of the page's own.
val packagedBytes(const std::string& path) {
    const std::vector<unsigned char> bytes = readPackaged(path);
    return val::global("Uint8Array")
        .new_(val(emscripten::typed_memory_view(bytes.size(), bytes.data())));
}

// The width and height a PNG file's header gives, big-endian.
PixelPoint pngSize(const std::string& path) {
    const std::vector<unsigned char> header = readPackaged(path);
    const auto word = [&header](std::size_t at) {
        return (header.at(at) << 24) | (header.at(at + 1) << 16) | (header.at(at + 2) << 8) |
               header.at(at + 3);
    };
    return {word(16), word(20)};
}

std::string objectUrl(const std::string& path, const char* type) {
    val parts = val::array();
    parts.call<void>("push", packagedBytes(path));
    val options = val::object();
    options.set("type", std::string(type));
    return val::global("URL")
        .call<val>("createObjectURL", val::global("Blob").new_(parts, options))
        .as<std::string>();
}

std::string pictureSet(const std::string& name) {
    std::string set;
    for (std::size_t i = 0; i < kDensities.size(); ++i)
        set += (set.empty() ? "" : ", ") +
               objectUrl("/pictures/" + name + kDensities[i] + ".png", "image/png") + " " +
               kDensityNames[i];
    return set;
}

std::string cursorSet() {
    std::string set;
    for (std::size_t i = 0; i < kDensities.size(); ++i)
        set += (set.empty() ? "" : ", ") + std::string("url(") +
               objectUrl(std::string("/pictures/hand") + kDensities[i] + ".cur", "image/x-icon") +
               ") " + kDensityNames[i];
    return "-webkit-image-set(" + set + ") 0 0, pointer";
}

// The page's style sheet declares the fonts; this has the browser fetch one
// now, while the page loads, rather than when a text first needs it.
val loadFont(const char* weight, const char* family) {
    return val::global("document")["fonts"].call<val>("load", std::string(weight) + " 16px \"" +
                                                                  family + "\"");
}

// Made on first use: the cache holds the made string.
template <typename Make> const std::string& once(std::string& made, Make make) {
    if (made.empty())
        made = make();
    return made;
}

// The file name of picture 0..11, or of the back for -1.
std::string pictureName(int picture) {
    char name[8] = "back";
    if (picture >= 0)
        std::snprintf(name, sizeof name, "face%02d", picture);
    return name;
}

} // namespace

// Every font is fetched before the window is made: none is asked for later.
WebAssets::WebAssets() {
    for (const auto& [weight, family] : {std::pair{"400", "Duomira Gothic"},
                                         {"700", "Duomira Gothic"},
                                         {"400", "Duomira Gothic Coding"},
                                         {"400", "Duomira Password"}})
        fontsLoaded_.call<void>("push", loadFont(weight, family));
}

const std::string& WebAssets::face(int picture) const {
    return once(pictures_[subscript(picture, kPictureCount)],
                [picture] { return pictureSet(pictureName(picture)); });
}

const std::string& WebAssets::back() const {
    return once(pictures_.back(), [] { return pictureSet("back"); });
}

PixelPoint WebAssets::size(int picture) const {
    const std::size_t slot = picture < 0 ? sizes_.size() - 1 : static_cast<std::size_t>(picture);
    if (sizes_.at(slot).x == 0)
        sizes_[slot] = pngSize("/pictures/" + pictureName(picture) + ".png");
    return sizes_[slot];
}

const std::string& WebAssets::aboutPicture() const {
    return once(aboutPicture_, [] { return pictureSet("about_picture"); });
}

const std::string& WebAssets::handCursor() const {
    return once(handCursor_, cursorSet);
}

const std::string& WebAssets::icon() const {
    return once(icon_, [] { return objectUrl("/pictures/icon.png", "image/png"); });
}

void WebAssets::whenFontsReady(std::function<void()> ready) const {
    whenSettled(val::global("Promise").call<val>("all", fontsLoaded_), std::move(ready));
}

} // namespace duomira::web
