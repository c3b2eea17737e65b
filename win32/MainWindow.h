#pragma once

#include "BoardAccess.h"
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
#include <string>
#include <utility>

namespace duomira {

// The game window Form1: the board frame with its 24 card slots, the menus,
// the close timer, and the status text in the last title of the menu bar.
// While the window is active the keyboard focus is on a card: the keys move
// it over the board and turn the card it is on, and each card's window text
// says what it shows, for screen readers.
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
    // errors are shown in one place and the program goes on; whatever the
    // event turned, even in part, the cards' texts say it afterwards.
    template <typename Action> void guarded(Action&& action) {
        const auto show = [this](const GameError& error) { showGameError(error); };
        guardGameErrors(std::forward<Action>(action), show);
        guardGameErrors([this] { describeCards(); }, show);
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
    void onNotify(const NMHDR& note);
    void focusCard() const;
    void describeCards();
    void showGameError(const GameError& error) const;
    HWND slotOf(Int16 card) const;

    void Form_Load();
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
    // The card the focus was last on, where it goes back to.
    int focusedCard_ = 0;
    bool closeTimerOn_ = false;
    form1::ShownCards shownCards_;
    // The cards' window texts as last set.
    std::array<std::string, kCardCount> cardTexts_{};
};

} // namespace duomira
