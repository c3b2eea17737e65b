#include "MenuBar.h"

#include "ClassicScheme.h"
#include "Dom.h"

namespace duomira::web {

namespace {

void setAttribute(const val& element, const char* name, const char* value) {
    element.call<void>("setAttribute", std::string(name), std::string(value));
}

} // namespace

MenuBar::MenuBar(const val& window, Chosen chosen)
    : window_(window), bar_(makeElement("div", window, "menubar")), status_(val::undefined()),
      chosen_(std::move(chosen)) {
    setAttribute(bar_, "role", "menubar");
    setStyle(bar_, "font", cssFont(kToolkitFont));
    form1::buildMenuBar(*this);
    // A press anywhere else closes an open menu, as in the systems' menus.
    listen(document()["body"], "mousedown", [this](const val& event) {
        if (!bar_.call<bool>("contains", event["target"]))
            closeMenu();
    });
}

void MenuBar::addMenu(const char* caption) {
    const std::size_t index = menus_.size();
    val title = makeElement("div", bar_, "title");
    setCaption(title, caption);
    setAttribute(title, "role", "menuitem");
    setAttribute(title, "aria-haspopup", "menu");
    setAttribute(title, "aria-expanded", "false");
    val popup = makeElement("div", bar_, "popup");
    setAttribute(popup, "role", "menu");
    popup.set("hidden", true);
    menus_.push_back({title, popup, {}, {}, {}, accessKeyOf(caption)});
    listen(title, "mousedown", [this, index](const val& event) {
        event.call<void>("preventDefault"); // the focus stays where it is
        if (open_ == index)
            closeMenu();
        else
            openMenu(index);
    });
    listen(popup, "keydown", [this, index](const val& event) { onMenuKey(index, event); });
}

void MenuBar::addItem(const char* caption, form1::Command command) {
    Menu& menu = menus_.back();
    const std::size_t menuIndex = menus_.size() - 1;
    const std::size_t itemIndex = menu.items.size();
    val item = makeElement("div", menu.popup, "item");
    setCaption(item, caption);
    setAttribute(item, "role", "menuitem");
    item.set("tabIndex", -1);
    listen(item, "click",
           [this, menuIndex, itemIndex](const val&) { choose(menuIndex, itemIndex); });
    menu.items.push_back(item);
    menu.commands.push_back(command);
    menu.itemKeys.push_back(accessKeyOf(caption));
}

void MenuBar::addSeparator() {
    setAttribute(makeElement("div", menus_.back().popup, "separator"), "role", "separator");
}

void MenuBar::addTitle(const char* caption, bool isStatus) {
    val title = makeElement("div", bar_, isStatus ? "title status" : "title");
    setText(title, caption);
    if (isStatus)
        status_ = title;
}

void MenuBar::showStatus(const std::string& text) {
    setText(status_, text);
}

bool MenuBar::takeAccessKey(const val& event) {
    if (!event["altKey"].as<bool>() || event["ctrlKey"].as<bool>())
        return false;
    const std::string key = event["key"].as<std::string>();
    for (std::size_t menu = 0; menu < menus_.size(); ++menu) {
        if (key.size() == 1 && (key[0] | 0x20) == menus_[menu].accessKey) {
            openMenu(menu);
            return true;
        }
    }
    return false;
}

void MenuBar::openMenu(std::size_t menu) {
    closeMenu();
    Menu& shown = menus_.at(menu);
    open_ = menu;
    shown.popup.set("hidden", false);
    setStyle(shown.popup, "left", std::to_string(shown.title["offsetLeft"].as<int>()) + "px");
    setAttribute(shown.title, "aria-expanded", "true");
    addClasses(shown.title, "open");
    shown.items.front().call<void>("focus");
}

void MenuBar::closeMenu() {
    if (open_ >= menus_.size())
        return;
    Menu& shown = menus_[open_];
    const bool hadFocus = shown.popup.call<bool>("contains", document()["activeElement"]);
    open_ = SIZE_MAX;
    shown.popup.set("hidden", true);
    setAttribute(shown.title, "aria-expanded", "false");
    shown.title["classList"].call<void>("remove", std::string("open"));
    // The keys go back to the board, where they were before the menu.
    if (hadFocus)
        window_.call<void>("dispatchEvent", val::global("Event").new_(std::string("menuclosed")));
}

void MenuBar::choose(std::size_t menu, std::size_t item) {
    const form1::Command command = menus_.at(menu).commands.at(item);
    closeMenu();
    chosen_(command);
}

std::size_t MenuBar::focusedItem(std::size_t menu) const {
    const std::vector<val>& items = menus_.at(menu).items;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].strictlyEquals(document()["activeElement"]))
            return i;
    return 0;
}

void MenuBar::onMenuKey(std::size_t menu, const val& event) {
    const std::string key = event["key"].as<std::string>();
    const std::vector<val>& items = menus_.at(menu).items;
    const std::size_t at = focusedItem(menu);
    event.call<void>("preventDefault");
    event.call<void>("stopPropagation");
    if (key == "ArrowDown" || key == "ArrowUp") {
        const std::size_t step = key == "ArrowDown" ? 1 : items.size() - 1;
        items[(at + step) % items.size()].call<void>("focus");
    } else if (key == "ArrowLeft" || key == "ArrowRight") {
        openMenu((menu + (key == "ArrowRight" ? 1 : menus_.size() - 1)) % menus_.size());
    } else if (key == "Enter" || key == " ") {
        choose(menu, at);
    } else if (key == "Escape" || key == "Alt") {
        closeMenu();
    } else if (key.size() == 1) {
        for (std::size_t i = 0; i < items.size(); ++i)
            if (menus_[menu].itemKeys[i] == (key[0] | 0x20))
                choose(menu, i);
    }
}

} // namespace duomira::web
