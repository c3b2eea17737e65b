#include "WebAssets.h"

#include "GameError.h"

#include <emscripten/bind.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <utility>
#include <vector>

namespace duomira::web {

using emscripten::val;

namespace {

constexpr std::array<const char*, 3> kDensities = {"", "@1.5x", "@2x"};
constexpr std::array<const char*, 3> kDensityNames = {"1x", "1.5x", "2x"};

// A packaged file's bytes as a new array of the page's own.
val packagedBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file), {}};
    if (bytes.empty())
        throw std::runtime_error("the page's file package lacks " + path);
    return val::global("Uint8Array")
        .new_(val(emscripten::typed_memory_view(bytes.size(), bytes.data())));
}

// The width and height a PNG file's header gives, big-endian.
PixelPoint pngSize(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    unsigned char header[24] = {};
    file.read(reinterpret_cast<char*>(header), sizeof header);
    const auto word = [&header](int at) {
        return (header[at] << 24) | (header[at + 1] << 16) | (header[at + 2] << 8) | header[at + 3];
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

val addFont(const char* family, const char* file, const char* weight) {
    val descriptors = val::object();
    descriptors.set("weight", std::string(weight));
    val face =
        val::global("FontFace")
            .new_(std::string(family), packagedBytes(std::string("/fonts/") + file), descriptors);
    val::global("document")["fonts"].call<void>("add", face);
    return face.call<val>("load");
}

std::vector<std::function<void()>>& settlers() {
    static std::vector<std::function<void()>> all;
    return all;
}

// A promise's callback: the settler bound to it, then the promise's value.
void settle(int index, const val& /*value*/) {
    std::exchange(settlers().at(static_cast<std::size_t>(index)), nullptr)();
}

} // namespace

WebAssets::WebAssets() {
    for (std::size_t picture = 0; picture < faces_.size(); ++picture) {
        char name[8];
        std::snprintf(name, sizeof name, "face%02zu", picture);
        faces_[picture] = pictureSet(name);
        sizes_[picture] = pngSize(std::string("/pictures/") + name + ".png");
    }
    back_ = pictureSet("back");
    sizes_.back() = pngSize("/pictures/back.png");
    aboutPicture_ = pictureSet("about_picture");
    handCursor_ = cursorSet();
    icon_ = objectUrl("/pictures/icon.png", "image/png");
    fontsLoaded_.call<void>("push",
                            addFont("Duomira Gothic", "DuomiraGothic-Regular.woff2", "400"));
    fontsLoaded_.call<void>("push", addFont("Duomira Gothic", "DuomiraGothic-Bold.woff2", "700"));
    fontsLoaded_.call<void>(
        "push", addFont("Duomira Gothic Coding", "DuomiraGothicCoding-Regular.woff2", "400"));
    fontsLoaded_.call<void>("push", addFont("Duomira Password", "DuomiraPassword.woff2", "400"));
}

const std::string& WebAssets::face(int picture) const {
    if (picture < 0 || picture >= static_cast<int>(faces_.size()))
        throw GameError(GameErrorKind::SubscriptOutOfRange);
    return faces_[static_cast<std::size_t>(picture)];
}

PixelPoint WebAssets::size(int picture) const {
    return picture < 0 ? sizes_.back() : sizes_.at(static_cast<std::size_t>(picture));
}

void WebAssets::whenFontsReady(std::function<void()> ready) const {
    settlers().push_back(std::move(ready));
    const val settler = val::module_property("settle").call<val>(
        "bind", val::null(), static_cast<int>(settlers().size() - 1));
    val::global("Promise").call<val>("all", fontsLoaded_).call<void>("then", settler);
}

// (cppcheck does not know the macro.)
// cppcheck-suppress syntaxError
EMSCRIPTEN_BINDINGS(duomira_assets) {
    emscripten::function("settle", &settle);
}

} // namespace duomira::web
