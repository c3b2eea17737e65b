#include "MainWindow.h"

#include "Dom.h"
#include "MainForm.h"

#include <emscripten/html5.h>

#include <optional>

namespace duomira::web {

namespace {

std::vector<val> unset() {
    return std::vector<val>(kCardCount, val::undefined());
}

std::optional<form1::CardKey> cardKeyOf(const std::string& key, bool shift) {
    static const std::pair<const char*, form1::CardKey> keys[] = {
        {" ", form1::CardKey::Turn},         {"Enter", form1::CardKey::Turn},
        {"ArrowLeft", form1::CardKey::Left}, {"ArrowRight", form1::CardKey::Right},
        {"ArrowUp", form1::CardKey::Up},     {"ArrowDown", form1::CardKey::Down},
        {"Home", form1::CardKey::Home},      {"End", form1::CardKey::End}};
    if (key == "Tab")
        return shift ? form1::CardKey::Previous : form1::CardKey::Next;
    for (const auto& [name, cardKey] : keys)
        if (key == name)
            return cardKey;
    return std::nullopt;
}

val makeLiveRegion(const val& parent) {
    val region = makeElement("div", parent, "offscreen");
    region.call<void>("setAttribute", std::string("role"), std::string("status"));
    return region;
}

} // namespace

MainWindow::MainWindow(const WebAssets& assets, RandomSource& random)
    : assets_(assets),
      frame_(makeWindowFrame(FrameKind::Main, form1::kCaption, twipsToPixels(form1::kClientWidth),
                             twipsToPixels(form1::kClientHeight), false)),
      menuBar_(frame_.outer, [this](form1::Command command) { game_.command(command); }),
      fCanvas_(val::undefined()), pCard_(unset()), pictures_(unset()), marks_(unset()),
      statusNews_(makeLiveRegion(frame_.outer)), cardNews_{makeLiveRegion(frame_.outer),
                                                           makeLiveRegion(frame_.outer)},
      fmGetPass_([this](const std::string& text) { game_.passwordAnswered(text); },
                 [this] {
                     game_.passwordClosed();
                     game_.windowFocused();
                 }),
      frmAbout_(assets, [this] { game_.sysInfoClicked(); }), game_(*this, random) {
    document().set("title", std::string(form1::kCaption));
    document().call<val>("querySelector", std::string("link[rel=icon]")).set("href", assets.icon());
    // The menu bar is made after the client area; in the window it lies above it.
    frame_.outer.call<void>("insertBefore", menuBar_.element(), frame_.client);
    setStyle(frame_.client, "background", cssColour(form1::kBackground));
    createBoard();
    // The menus' access keys wherever the focus is in the page, but not
    // while a modal dialog takes all input.
    listen(document()["body"], "keydown", [this](const val& event) {
        if (document().call<val>("querySelector", std::string(":modal")).isNull() &&
            menuBar_.takeAccessKey(event))
            event.call<void>("preventDefault");
    });
    listen(frame_.outer, "menuclosed", [this](const val&) { game_.windowFocused(); });
    game_.start();
    game_.windowFocused();
    takeOverFirstFrame(frame_.outer);
}

void MainWindow::createBoard() {
    fCanvas_ = makeElement("div", frame_.client, "frame");
    place(fCanvas_, toPixels(form1::kCanvas));
    setStyle(fCanvas_, "font", cssFont(form1::kCanvasFont));
    setStyle(fCanvas_, "cursor", assets_.handCursor());
    setText(makeElement("span", fCanvas_, "frame-caption"), form1::kCanvasCaption);
    // Screen readers leave their reading mode here, so that the arrows and
    // the letters reach the game, as they do on the desktop.
    fCanvas_.call<void>("setAttribute", std::string("role"), std::string("grid"));
    fCanvas_.call<void>("setAttribute", std::string("aria-label"),
                        std::string(form1::kCanvasCaption));
    listen(fCanvas_, "mousedown", [this](const val& event) {
        if (event["button"].as<int>() == 0)
            game_.boardPressed();
    });
    // A long press on a card is a press, not a call for the browser's menu.
    listen(fCanvas_, "contextmenu", [](const val& event) { event.call<void>("preventDefault"); });
}

void MainWindow::centreWindow() {
    placeInPage(frame_.outer);
}

void MainWindow::layOutCards() {
    for (int Pos = 0; Pos < kCardCount; ++Pos) {
        const auto slot = static_cast<std::size_t>(Pos);
        pCard_[slot] = makeElement("div", fCanvas_, "slot");
        moveTo(pCard_[slot], grid_.corner(Pos));
        pCard_[slot].call<void>("setAttribute", std::string("role"), std::string("button"));
        pCard_[slot].set("tabIndex", 0);
        pictures_[slot] = makeElement("img", pCard_[slot]);
        pictures_[slot].set("alt", std::string());
        pictures_[slot].set("draggable", false);
        marks_[slot] = makeElement("div", pCard_[slot], "focus-mark");
        listenToCard(Pos);
    }
}

// The second press of a double click is no click of its own: the game
// decides, from the press, the release and the double click.
void MainWindow::listenToCard(int Pos) {
    const val& slot = pCard_.at(static_cast<std::size_t>(Pos));
    listen(slot, "mousedown", [this, Pos](const val& event) {
        if (event["button"].as<int>() != 0)
            return;
        if (event["detail"].as<int>() > 1)
            game_.cardDoubleClicked(Pos);
        else
            game_.cardPressed(Pos);
    });
    listen(slot, "mouseup", [this, Pos](const val& event) {
        if (event["button"].as<int>() == 0)
            game_.cardReleased(Pos, true);
    });
    listen(slot, "keydown", [this, Pos](const val& event) { onCardKey(Pos, event); });
    listen(slot, "focus", [this, Pos](const val&) { game_.cardFocused(Pos); });
    listen(slot, "blur", [this, Pos](const val&) { game_.cardBlurred(Pos); });
}

void MainWindow::onCardKey(int Pos, const val& event) {
    if (event["altKey"].as<bool>() || event["ctrlKey"].as<bool>())
        return;
    const auto key = cardKeyOf(event["key"].as<std::string>(), event["shiftKey"].as<bool>());
    if (!key)
        return;
    event.call<void>("preventDefault");
    event.call<void>("stopPropagation");
    game_.cardKey(Pos, *key, event["repeat"].as<bool>());
}

PixelRect MainWindow::slotBox(int card) const {
    const PixelPoint corner = grid_.corner(card);
    const PixelPoint picture = pictureSizes_.at(static_cast<std::size_t>(card));
    const int border = 2 * form1::kSlotBorderPixels;
    return {corner.x, corner.y, picture.x + border, picture.y + border};
}

// The dotted mark lies just inside what shows of the picture: the next card
// covers this one's right edge, the frame cuts off the last column.
void MainWindow::placeFocusMark(int card) {
    if (card < 0 || card >= kCardCount)
        return;
    const PixelPoint picture = pictureSizes_.at(static_cast<std::size_t>(card));
    const int border = form1::kSlotBorderPixels;
    const PixelRect next = card + 1 < kCardCount ? slotBox(card + 1) : PixelRect{};
    const PixelRect frame = toPixels(form1::kCanvas);
    const PixelRect seen =
        form1::seenPart({border, border, picture.x, picture.y}, slotBox(card), frame.width,
                        frame.height, card + 1 < kCardCount ? &next : nullptr);
    const int inset = form1::kFocusMarkInsetPixels;
    place(marks_.at(static_cast<std::size_t>(card)),
          {seen.left - border + inset, seen.top - border + inset, seen.width - 2 * inset,
           seen.height - 2 * inset});
}

void MainWindow::focusCard(int card) {
    pCard_.at(static_cast<std::size_t>(card)).call<void>("focus");
}

// A hidden card loses the focus to the page itself.
bool MainWindow::focusIsFree() const {
    const val active = document()["activeElement"];
    return active.isNull() || active.strictlyEquals(document()["body"]);
}

void MainWindow::showFocusMark(bool shown) {
    fCanvas_["classList"].call<void>("toggle", std::string("keys"), shown);
}

void MainWindow::drawCard(int card, int picture) {
    const auto slot = static_cast<std::size_t>(card);
    const PixelPoint size = assets_.size(picture);
    pictures_.at(slot).set("srcset", picture < 0 ? assets_.back() : assets_.face(picture));
    pictures_[slot].set("width", size.x);
    pictures_[slot].set("height", size.y);
    pictureSizes_[slot] = size;
    placeFocusMark(card);
    placeFocusMark(card - 1);
}

void MainWindow::nameCard(int card, const std::string& name) {
    pCard_.at(static_cast<std::size_t>(card))
        .call<void>("setAttribute", std::string("aria-label"), name);
}

void MainWindow::showStatus(const std::string& text) {
    menuBar_.showStatus(text);
}

void MainWindow::tellCardNews(const std::string& name) {
    // The other region is emptied, so that it speaks its next text afresh.
    setText(cardNews_.at(1 - nextCardNews_), "");
    setText(cardNews_.at(nextCardNews_), name);
    nextCardNews_ = 1 - nextCardNews_;
}

void MainWindow::tellStatusNews(const std::string& text) {
    setText(statusNews_, text);
}

void MainWindow::closeTimerTick(void* window) {
    static_cast<MainWindow*>(window)->game_.closeTimerTicked();
}

void MainWindow::runCloseTimer(bool on) {
    if (tClose_ != 0)
        emscripten_clear_interval(tClose_);
    tClose_ =
        on ? emscripten_set_interval(&MainWindow::closeTimerTick, form1::kCloseIntervalMs, this)
           : 0;
}

void MainWindow::showBoard(bool on) {
    setStyle(fCanvas_, "visibility", on ? "visible" : "hidden");
}

// A short tone: the page's sound, as the systems have their default beep.
void MainWindow::beep() {
    if (audio_.isUndefined())
        audio_ = val::global("AudioContext").new_();
    val tone = audio_.call<val>("createOscillator");
    val volume = audio_.call<val>("createGain");
    tone["frequency"].set("value", 880);
    volume["gain"].set("value", 0.1);
    tone.call<val>("connect", volume).call<void>("connect", audio_["destination"]);
    const double now = audio_["currentTime"].as<double>();
    tone.call<void>("start", now);
    tone.call<void>("stop", now + 0.12);
}

void MainWindow::showMessage(const std::string& text, const std::string& title, MessageKind kind) {
    showMessageBox(text, title, kind == MessageKind::Error);
}

void MainWindow::showAbout() {
    frmAbout_.showModal();
}

void MainWindow::showPassword(bool load) {
    fmGetPass_.show(load);
}

void MainWindow::closePassword() {
    fmGetPass_.unload();
}

// As closing the program: the timer stops, the game's windows leave the page.
void MainWindow::endProgram() {
    runCloseTimer(false);
    const val windows = document().call<val>("querySelectorAll", std::string(".window"));
    for (int i = 0; i < windows["length"].as<int>(); ++i)
        windows[i].call<void>("remove");
}

} // namespace duomira::web
