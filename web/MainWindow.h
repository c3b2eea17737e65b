#pragma once

#include "AboutDialog.h"
#include "GameController.h"
#include "MenuBar.h"
#include "PasswordDialog.h"
#include "WebAssets.h"
#include "WindowFrame.h"

#include <emscripten/val.h>

#include <array>
#include <vector>

namespace duomira::web {

// The game window in the page: the menu bar with the status text in its
// last title, the board frame with its 24 card slots, the close timer and
// the beep. The game itself runs in the shared controller; this window
// draws and listens.
class MainWindow final : public GameSurface {
public:
    MainWindow(const WebAssets& assets, RandomSource& random);

private:
    void centreWindow() override;
    void layOutCards() override;
    void drawCard(int card, int picture) override;
    void showStatus(const std::string& text) override;
    void runCloseTimer(bool on) override;
    void showBoard(bool on) override;
    void beep() override;
    void focusCard(int card) override;
    bool focusIsFree() const override;
    void showFocusMark(bool shown) override;
    void nameCard(int card, const std::string& name) override;
    void tellCardNews(const std::string& name) override;
    void tellStatusNews(const std::string& text) override;
    void showMessage(const std::string& text, const std::string& title, MessageKind kind) override;
    void showAbout() override;
    void showPassword(bool load) override;
    void closePassword() override;
    void endProgram() override;

    void createBoard();
    void listenToCard(int Pos);
    void onCardKey(int Pos, const emscripten::val& event);
    void placeFocusMark(int card);
    PixelRect slotBox(int card) const;
    static void closeTimerTick(void* window);

    const WebAssets& assets_;
    const form1::CardGrid grid_ = form1::measureCardGrid();
    WindowFrame frame_;
    MenuBar menuBar_;
    emscripten::val fCanvas_;
    // The card slots, their pictures and their focus marks, by card.
    std::vector<emscripten::val> pCard_;
    std::vector<emscripten::val> pictures_;
    std::vector<emscripten::val> marks_;
    std::array<PixelPoint, kCardCount> pictureSizes_{};
    // Live regions, one for each kind of news.
    emscripten::val statusNews_;
    // A card's news comes in two live regions, taken in turn: a miss turns
    // its second card back 300 ms after its face, and a browser or screen
    // reader under load may speak only the last text of one region.
    std::array<emscripten::val, 2> cardNews_;
    std::size_t nextCardNews_ = 0;
    emscripten::val audio_ = emscripten::val::undefined();
    long tClose_ = 0;
    PasswordDialog fmGetPass_;
    AboutDialog frmAbout_;
    GameController game_;
};

} // namespace duomira::web
