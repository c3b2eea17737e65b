#include "WindowFrame.h"

#include "Centring.h"
#include "ClassicScheme.h"
#include "Dom.h"
#include "Messages.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

namespace duomira::web {

WindowFrame makeWindowFrame(FrameKind kind, const std::string& caption, int clientWidth,
                            int clientHeight, bool closeBox) {
    WindowFrame frame{
        makeElement(kind == FrameKind::Main ? "div" : "dialog", document()["body"], "window"),
        val::undefined(), val::undefined()};
    frame.outer.call<void>("setAttribute", std::string("aria-label"), caption);
    const val bar = makeElement("div", frame.outer, "caption");
    setText(makeElement("span", bar, "caption-text"), caption);
    if (closeBox) {
        frame.closeBox = makeElement("button", bar, "close-box");
        frame.closeBox.call<void>("setAttribute", std::string("aria-label"),
                                  std::string(kCloseCaption));
        frame.closeBox.set("tabIndex", -1);
    }
    frame.client = makeElement("div", frame.outer, "client");
    setSize(frame.client, clientWidth, clientHeight);
    return frame;
}

namespace {

// Where a placed window goes, kept on its element: "centre", or the designed
// corner of its client area as "x y".
constexpr char kPlacement[] = "placement";

void fitInPage(const val& outer) {
    const val page = val::global("window");
    const PixelRect view{0, 0, page["innerWidth"].as<int>(), page["innerHeight"].as<int>()};
    const int width = outer["offsetWidth"].as<int>();
    const int height = outer["offsetHeight"].as<int>();
    const double scale = std::min(
        {1.0, static_cast<double>(view.width) / width, static_cast<double>(view.height) / height});
    setStyle(outer, "transform", scale < 1 ? "scale(" + std::to_string(scale) + ")" : "none");
    const int shownWidth = static_cast<int>(std::ceil(width * scale));
    const int shownHeight = static_cast<int>(std::ceil(height * scale));
    const std::string placement = outer["dataset"][kPlacement].as<std::string>();
    PixelPoint corner = centredCorner(view, view, shownWidth, shownHeight);
    if (placement != "centre") {
        const val client = outer.call<val>("querySelector", std::string(".client"));
        const auto space = placement.find(' ');
        corner = {std::stoi(placement.substr(0, space)) - client["offsetLeft"].as<int>(),
                  std::stoi(placement.substr(space + 1)) - client["offsetTop"].as<int>()};
        corner.x = std::max(0, std::min(corner.x, view.width - shownWidth));
        corner.y = std::max(0, std::min(corner.y, view.height - shownHeight));
    }
    moveTo(outer, corner);
}

void fitEveryWindow() {
    const val windows =
        document().call<val>("querySelectorAll", ".window[data-" + std::string(kPlacement) + "]");
    for (int i = 0; i < windows["length"].as<int>(); ++i)
        fitInPage(windows[i]);
}

} // namespace

void placeInPage(const val& outer, std::optional<PixelPoint> designedClientCorner) {
    static const bool following = [] {
        // The browser's window has no dataset, where listen notes its handler: a plain one does.
        val page = val::global("window");
        page.set("dataset", val::object());
        listen(page, "resize", [](const val&) { fitEveryWindow(); });
        return true;
    }();
    (void)following;
    outer["dataset"].set(kPlacement, designedClientCorner
                                         ? std::to_string(designedClientCorner->x) + " " +
                                               std::to_string(designedClientCorner->y)
                                         : std::string("centre"));
    fitInPage(outer);
}

void useClassicScheme() {
    static const std::pair<const char*, Rgb> colours[] = {
        {"--button-face", classic::kButtonFace},
        {"--button-highlight", classic::kButtonHighlight},
        {"--button-light", classic::kButtonLight},
        {"--button-shadow", classic::kButtonShadow},
        {"--button-dark-shadow", classic::kButtonDarkShadow},
        {"--text", classic::kText},
        {"--highlight", classic::kHighlight},
        {"--highlight-text", classic::kHighlightText},
        {"--active-caption", classic::kActiveCaption},
        {"--caption-text", classic::kCaptionText},
        {"--desktop", classic::kDesktop}};
    const val style = document()["documentElement"]["style"];
    for (const auto& [name, colour] : colours)
        style.call<void>("setProperty", std::string(name), cssColour(colour));
}

void takeOverFirstFrame(const val& window) {
    const val first = document().call<val>("getElementById", std::string("first-frame"));
    if (first.isNull())
        return;
    val decoding = val::array();
    const val images = window.call<val>("querySelectorAll", std::string("img"));
    for (int i = 0; i < images["length"].as<int>(); ++i)
        decoding.call<void>("push", images[i].call<val>("decode"));
    whenSettled(val::global("Promise").call<val>("all", decoding),
                [first] { first.call<void>("remove"); });
}

void showMessageBox(const std::string& text, const std::string& title, bool errorIcon) {
    WindowFrame box = makeWindowFrame(FrameKind::Dialog, title, 0, 0, false);
    box.outer.call<void>("setAttribute", std::string("role"), std::string("alertdialog"));
    val client = box.client;
    client.set("className", std::string("client message"));
    setStyle(client, "width", "auto");
    setStyle(client, "height", "auto");
    if (errorIcon)
        makeElement("span", client, "error-icon");
    setText(makeElement("p", client), text);
    val ok = makeElement("button", client, "push");
    setText(ok, kOkCaption);
    // Each box is made anew, and its handlers go with it.
    const auto close = [outer = box.outer, ok](const val&) {
        forget(ok);
        forget(outer);
        outer.call<void>("close");
        outer.call<void>("remove");
    };
    listen(ok, "click", close);
    // Escape closes a box whose one button is OK.
    listen(box.outer, "cancel", close);
    box.outer.call<void>("showModal");
    placeInPage(box.outer);
    ok.call<void>("focus");
}

} // namespace duomira::web
