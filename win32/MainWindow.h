#pragma once

#include "DpiAssets.h"
#include "GameController.h"
#include "MainForm.h"
#include "PasswordDialog.h"
#include "RandomSource.h"

#include <windows.h>

#include <array>
#include <string>
#include <utility>

namespace duomira {

// The game window Form1: the board frame with its 24 card slots, the menus,
// the close timer, and the status text in the last title of the menu bar.
// While the window is active the keyboard focus is on a card: the keys move
// it over the board and turn the card it is on, and each card's window text
// says what it shows, for screen readers. The game itself runs in the shared
// controller; this window draws and listens. It is drawn at the density of
// the monitor it is on, and again at the new one when it moves.
class MainWindow final : public GameSurface {
public:
    MainWindow(HINSTANCE instance, DpiAssets& assets, RandomSource& random);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Shown only once Form_Load has laid out the board and dealt.
    void show(int showCommand) const;
    // The password dialog's keys (Tab, Enter) go to it before anything else.
    bool takeDialogMessage(MSG& message) const;

    HWND window() const { return form1_; }
    const BoardModel& model() const { return game_.model(); }

    GameController& game() { return game_; }
    int dpi() const { return dpi_; }
    // Lays the window out again at another density, its centre kept.
    void rescale(int dpi);

private:
    void drawCard(int card, int picture) override;
    void nameCard(int card, const std::string& name) override;
    void showStatus(const std::string& text) override;
    void runCloseTimer(bool on) override;
    void showBoard(bool on) override;
    void beep() override;
    void showError(const std::string& message) override;
    void showAbout() override;
    void showPassword() override;
    void endProgram() override;

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void registerClasses() const;
    void createWindow();
    void useDpi(int dpi);
    void fitClientArea() const;
    void createBoard();
    void placeBoard();
    void onCommand(WPARAM wParam, LPARAM lParam);
    void onNotify(const NMHDR& note);
    void focusCard() const;

    void Form_Load();
    void layOutCards();
    void Form_Unload();

    HINSTANCE instance_;
    DpiAssets& assets_;
    int dpi_ = kDesignDpi;
    const Pictures* pictures_ = nullptr;
    const GameFonts* fonts_ = nullptr;
    Brush background_;
    GameController game_;
    PasswordDialog fmGetPass_;
    HWND form1_ = nullptr;
    HMENU menuBar_ = nullptr;
    HWND fCanvas_ = nullptr;
    std::array<HWND, kCardCount> pCard_{};
    // The card the focus was last on, where it goes back to.
    int focusedCard_ = 0;
};

} // namespace duomira
