#pragma once

#include "MainForm.h"

#include <emscripten/val.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace duomira::web {

// The main window's menu bar, built from the menu table: titles that open
// their items on a click or with Alt and their access key, the arrows,
// Enter and Escape within an open menu, and the status text in the last
// title. Chooses nothing while the game's window takes no input.
class MenuBar final : public form1::MenuBuilder {
public:
    using Chosen = std::function<void(form1::Command)>;
    MenuBar(const emscripten::val& window, Chosen chosen);

    const emscripten::val& element() const { return bar_; }
    void showStatus(const std::string& text);
    // Alt and a title's access key, wherever the focus is in the window.
    bool takeAccessKey(const emscripten::val& event);
    void closeMenu();

private:
    struct Menu {
        emscripten::val title;
        emscripten::val popup;
        std::vector<emscripten::val> items;
        std::vector<form1::Command> commands;
        std::vector<char> itemKeys;
        char accessKey;
    };

    void addMenu(const char* caption) override;
    void addItem(const char* caption, form1::Command command) override;
    void addSeparator() override;
    void addTitle(const char* caption, bool isStatus) override;

    void openMenu(std::size_t menu);
    void choose(std::size_t menu, std::size_t item);
    void onMenuKey(std::size_t menu, const emscripten::val& event);
    std::size_t focusedItem(std::size_t menu) const;

    emscripten::val window_;
    emscripten::val bar_;
    emscripten::val status_;
    Chosen chosen_;
    std::vector<Menu> menus_;
    std::size_t open_ = SIZE_MAX;
};

} // namespace duomira::web
