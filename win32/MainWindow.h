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
// Each card's window text says what it shows, for screen readers. The game
// itself runs in the shared controller; this window draws and listens. It is
// drawn at the density of the monitor it is on, and again at the new one
// when it moves.
class MainWindow final : public GameSurface {
public:
    MainWindow(HINSTANCE instance, DpiAssets& assets, RandomSource& random);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Shown only once the game has laid out the board and dealt.
    void show(int showCommand) const;
    // The password dialog's keys (Tab, Enter) go to it before anything else.
    bool takeDialogMessage(MSG& message) const;

    HWND window() const { return form1_; }
    const BoardModel& model() const { return game_.model(); }
    int dpi() const { return dpi_; }
    // Lays the window out again at another density, its centre kept.
    void rescale(int dpi);

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

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void registerClasses() const;
    void createWindow();
    void useDpi(int dpi);
    void fitClientArea() const;
    void createBoard();
    void placeBoard();

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
};

} // namespace duomira
