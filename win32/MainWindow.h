#pragma once

#include "BoardModel.h"
#include "BoardView.h"
#include "GameError.h"
#include "GameFonts.h"
#include "MainForm.h"
#include "PasswordDialog.h"
#include "Pictures.h"
#include "RandomSource.h"

#include <windows.h>

#include <array>
#include <utility>

namespace duomira {

// The game window Form1: the board frame with its 24 card slots, the menus,
// the close timer, and the status text in the last title of the menu bar.
class MainWindow final : public BoardView, public form1::MenuCommands {
public:
    MainWindow(HINSTANCE instance, const Pictures& pictures, const GameFonts& fonts,
               RandomSource& random);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Shown only once Form_Load has laid out the board and dealt.
    void show(int showCommand) const;
    // The password dialog's keys (Tab, Enter) go to it before anything else.
    bool takeDialogMessage(MSG& message) const;

    HWND window() const { return form1_; }
    const BoardModel& model() const { return model_; }

    void ShowFace(Int16 card, Int16 picture) override;
    void ShowBack(Int16 card) override;
    void SetStatus(const std::string& text) override;
    void SetCloseTimer(bool on) override;
    void SetBoardVisible(bool on) override;
    void Beep() override;

    // Every event that reaches the game runs through here, so the game's own
    // errors are shown in one place and the program goes on.
    template <typename Action> void guarded(Action&& action) {
        guardGameErrors(std::forward<Action>(action),
                        [this](const GameError& error) { showGameError(error); });
    }

    void mnuabout_Click() override;
    void mnuEnd_Click() override;
    void mnuStart_Click() override;
    void mnuOpen_Click() override;

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void registerClasses() const;
    void createWindow();
    void fitClientArea() const;
    void createBoard();
    void onCommand(WPARAM wParam, LPARAM lParam);
    void showGameError(const GameError& error) const;
    HWND slotOf(Int16 card) const;

    void Form_Load();
    void centreOnScreen() const;
    void layOutCards();
    void Form_Unload();

    HINSTANCE instance_;
    const Pictures& pictures_;
    const GameFonts& fonts_;
    Brush background_;
    BoardModel model_;
    PasswordDialog fmGetPass_;
    HWND form1_ = nullptr;
    HMENU menuBar_ = nullptr;
    HWND fCanvas_ = nullptr;
    std::array<HWND, kCardCount> pCard_{};
};

} // namespace duomira
