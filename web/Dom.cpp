#include "Dom.h"

#include <emscripten/bind.h>

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

namespace duomira::web {

namespace {

std::vector<Handler>& handlers() {
    static std::vector<Handler> all;
    return all;
}

// The places of forgotten handlers, for the next ones.
std::vector<std::size_t>& freePlaces() {
    static std::vector<std::size_t> all;
    return all;
}

std::string pixels(int length) {
    return std::to_string(length) + "px";
}

// Called by every listener with its event. The element's data names the
// handler for the event's type, so that one exported function serves them all.
void handleEvent(const val& event) {
    const val target = event["currentTarget"];
    const val index = target["dataset"]["on" + event["type"].as<std::string>()];
    if (index.isUndefined())
        return;
    // A copy: the handler may forget its own element while it runs.
    const Handler handler = handlers().at(std::stoul(index.as<std::string>()));
    if (handler)
        handler(event);
}

} // namespace

val document() {
    return val::global("document");
}

val makeElement(const char* tag, const val& parent, const char* className) {
    val element = document().call<val>("createElement", std::string(tag));
    if (className != nullptr)
        element.set("className", std::string(className));
    parent.call<void>("appendChild", element);
    return element;
}

void addClasses(const val& element, const std::string& names) {
    std::size_t start = 0;
    while (start < names.size()) {
        const std::size_t end = std::min(names.find(' ', start), names.size());
        element["classList"].call<void>("add", names.substr(start, end - start));
        start = end + 1;
    }
}

void setText(val element, const std::string& text) {
    element.set("textContent", text);
}

void place(const val& element, const PixelRect& box) {
    moveTo(element, {box.left, box.top});
    setSize(element, box.width, box.height);
}

void moveTo(const val& element, PixelPoint corner) {
    setStyle(element, "left", pixels(corner.x));
    setStyle(element, "top", pixels(corner.y));
}

void setSize(const val& element, int width, int height) {
    setStyle(element, "width", pixels(width));
    setStyle(element, "height", pixels(height));
}

void setStyle(const val& element, const char* property, const std::string& value) {
    element["style"].call<void>("setProperty", std::string(property), value);
}

std::string cssColour(const Rgb& colour) {
    return "rgb(" + std::to_string(colour.red) + "," + std::to_string(colour.green) + "," +
           std::to_string(colour.blue) + ")";
}

std::string cssFont(const FontStyle& style) {
    char size[32];
    std::snprintf(size, sizeof size, "%gpt", style.points);
    std::string families;
    for (const char* family : familiesOf(style.face))
        families += (families.empty() ? "\"" : ", \"") + std::string(family) + "\"";
    return std::to_string(style.weight) + " " + size + " " + families +
           (isFixedPitch(style.face) ? ", monospace" : ", sans-serif");
}

void setCaption(const val& element, const std::string& caption) {
    setText(element, "");
    const std::size_t mark = caption.find('&');
    if (mark == std::string::npos || mark + 1 >= caption.size()) {
        setText(element, caption);
        return;
    }
    const val before = document().call<val>("createTextNode", caption.substr(0, mark));
    element.call<void>("appendChild", before);
    setText(makeElement("u", element), caption.substr(mark + 1, 1));
    element.call<void>("appendChild",
                       document().call<val>("createTextNode", caption.substr(mark + 2)));
}

char accessKeyOf(const std::string& caption) {
    const std::size_t mark = caption.find('&');
    if (mark == std::string::npos || mark + 1 >= caption.size())
        return '\0';
    const char key = caption[mark + 1];
    return key >= 'A' && key <= 'Z' ? static_cast<char>(key - 'A' + 'a') : key;
}

void listen(const val& element, const char* type, Handler handler) {
    std::size_t place = handlers().size();
    if (freePlaces().empty()) {
        handlers().push_back(std::move(handler));
    } else {
        place = freePlaces().back();
        freePlaces().pop_back();
        handlers()[place] = std::move(handler);
    }
    element["dataset"].set("on" + std::string(type), std::to_string(place));
    element.call<void>("addEventListener", std::string(type), val::module_property("handleEvent"));
}

void forget(const val& element) {
    const val dataset = element["dataset"];
    const val keys = val::global("Object").call<val>("keys", dataset);
    for (int i = 0; i < keys["length"].as<int>(); ++i) {
        const std::string key = keys[i].as<std::string>();
        if (key.rfind("on", 0) != 0)
            continue;
        const std::size_t place = std::stoul(dataset[key].as<std::string>());
        handlers().at(place) = nullptr;
        freePlaces().push_back(place);
    }
}

namespace {

std::vector<std::function<void()>>& settlers() {
    static std::vector<std::function<void()>> all;
    return all;
}

// A promise's callback: the settler bound to it, then the promise's value.
void settle(int index, const val& /*value*/) {
    std::exchange(settlers().at(static_cast<std::size_t>(index)), nullptr)();
}

} // namespace

void whenSettled(const val& promise, std::function<void()> then) {
    settlers().push_back(std::move(then));
    const val settler = val::module_property("settle").call<val>(
        "bind", val::null(), static_cast<int>(settlers().size() - 1));
    promise.call<void>("then", settler, settler);
}

// (cppcheck does not know the macro.)
// cppcheck-suppress syntaxError
EMSCRIPTEN_BINDINGS(duomira_events) {
    emscripten::function("handleEvent", &handleEvent);
    emscripten::function("settle", &settle);
}

} // namespace duomira::web
