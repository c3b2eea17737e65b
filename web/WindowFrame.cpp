#include "WindowFrame.h"

#include "Centring.h"
#include "ClassicScheme.h"
#include "Dom.h"
#include "Messages.h"

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

void centreInPage(const val& outer) {
    const val page = val::global("window");
    const PixelRect view{0, 0, page["innerWidth"].as<int>(), page["innerHeight"].as<int>()};
    moveTo(outer, centredCorner(view, view, outer["offsetWidth"].as<int>(),
                                outer["offsetHeight"].as<int>()));
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
    centreInPage(box.outer);
    ok.call<void>("focus");
}

} // namespace duomira::web
