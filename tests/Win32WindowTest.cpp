// The Win32 windows as the front end builds them, under Wine: each window and
// control described (class, identifier, place in pixels, text, the styles
// that make its behaviour, font) against one golden text, and the messages
// the layer turns into the game's events.
#include "ControlIds.h"
#include "DpiAssets.h"
#include "MainWindow.h"
#include "Pictures.h"
#include "TestRandom.h"
#include "Text.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

// The program's entries for two system calls whose effect no screen shows.
extern "C" decltype(&SetTimer) __imp_SetTimer;
extern "C" decltype(&MessageBeep) __imp_MessageBeep;

namespace duomira {
namespace {

// What the windows asked of the timer and the speaker: the tests point the
// program's import entries for them here. Beeps are kept silent.
std::vector<UINT> timerIntervals;
int beeps = 0;
decltype(&SetTimer) systemSetTimer = nullptr;

UINT_PTR WINAPI recordSetTimer(HWND window, UINT_PTR id, UINT interval, TIMERPROC procedure) {
    timerIntervals.push_back(interval);
    return systemSetTimer(window, id, interval, procedure);
}

BOOL WINAPI recordMessageBeep(UINT /*type*/) {
    ++beeps;
    return TRUE;
}

template <typename Call> Call redirect(Call& entry, Call replacement) {
    DWORD was = 0;
    VirtualProtect(&entry, sizeof entry, PAGE_READWRITE, &was);
    return std::exchange(entry, replacement);
}

void startRecording() {
    if (systemSetTimer == nullptr) {
        systemSetTimer = redirect(__imp_SetTimer, &recordSetTimer);
        redirect(__imp_MessageBeep, &recordMessageBeep);
    }
    timerIntervals.clear();
    beeps = 0;
}

std::string classOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return narrow(name);
}

RECT placeIn(HWND window, HWND parent) {
    RECT box{};
    GetWindowRect(window, &box);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&box), 2);
    return box;
}

std::string fontOf(HWND control) {
    LOGFONTW font{};
    const auto handle = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    if (handle == nullptr || GetObjectW(handle, sizeof font, &font) == 0)
        return "";
    return " font " + narrow(font.lfFaceName) + " " + std::to_string(font.lfHeight) + " " +
           std::to_string(font.lfWeight) + " set " + std::to_string(font.lfCharSet);
}

std::string stylesOf(HWND control) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
    const auto extended = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_EXSTYLE));
    std::string styles;
    if ((extended & WS_EX_CLIENTEDGE) != 0)
        styles += " sunken";
    if ((style & WS_TABSTOP) != 0)
        styles += " tab";
    if (classOf(control) == "Button" && (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
        styles += " default";
    if (classOf(control) == "Edit" && (style & ES_PASSWORD) != 0)
        styles +=
            " password " +
            std::string(1, static_cast<char>(SendMessageW(control, EM_GETPASSWORDCHAR, 0, 0)));
    return styles;
}

// The children in z-order, which is also Win32's tab order.
std::string describeChildren(HWND parent) {
    std::ostringstream lines;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const RECT box = placeIn(child, parent);
        lines << classOf(child) << " " << GetDlgCtrlID(child) << " " << box.left << "," << box.top
              << " " << box.right - box.left << "x" << box.bottom - box.top << " \""
              << windowText(child) << "\"" << stylesOf(child) << fontOf(child) << "\n";
    }
    return lines.str();
}

std::string describeWindow(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    const auto extended = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    std::ostringstream text;
    text << "\"" << windowText(window) << "\" " << client.right << "x" << client.bottom
         << ((style & WS_MINIMIZEBOX) ? " minimise" : "")
         << ((style & (WS_MAXIMIZEBOX | WS_THICKFRAME)) ? " resizable" : "")
         << ((extended & WS_EX_TOOLWINDOW) ? " tool" : "")
         << (GetWindow(window, GW_OWNER) ? " owned" : "") << "\n";
    return text.str();
}

// What a test looks at in a dialog once its opener has entered the dialog's
// modal loop; the timer below runs it there, then closes the dialog.
struct DialogWatch {
    const wchar_t* title;
    std::function<std::string(HWND)> look;
    std::string seen = "not opened";
};
DialogWatch* watching = nullptr;

void CALLBACK lookThenClose(HWND /*window*/, UINT /*message*/, UINT_PTR timer, DWORD /*time*/) {
    HWND dialog = FindWindowW(nullptr, watching->title);
    if (dialog == nullptr)
        return; // not up yet: the next tick looks again
    KillTimer(nullptr, timer);
    watching->seen = watching->look(dialog);
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}

class Win32Window : public ::testing::Test {
protected:
    HINSTANCE instance = GetModuleHandleW(nullptr);
    DpiAssets assets{instance};
    const Pictures& pictures = assets.pictures(96);
    test::TestRandom random{test::identityDeal()}; // card c shows picture c mod 12
    MainWindow window{instance, assets, random};
    GameSurface& surface = window;
    HWND form1 = window.window();

    void SetUp() override { startRecording(); }

    void TearDown() override {
        if (IsWindow(form1))
            DestroyWindow(form1);
        MSG quit;
        PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE); // the next test's loops go on
    }

    HWND slot(int index) const { return GetDlgItem(GetDlgItem(form1, 1), 100 + index); }

    void command(form1::Command command) const {
        SendMessageW(form1, WM_COMMAND, commandId(command), 0);
    }

    static void pump() {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
    }

    // A key as the focused window gets it: first pressed, or repeating.
    static void press(UINT key, LPARAM repeat = 0) {
        SendMessageW(GetFocus(), WM_KEYDOWN, key, 1 | repeat);
        pump();
    }

    static int focusedCard() { return GetDlgCtrlID(GetFocus()) - 100; }

    // Whether the card shows this picture, and nothing over it, in a part that no card covers.
    bool shows(int card, HBITMAP picture, RECT part = {0, 0, 75, 79}) const {
        pump();
        HDC seen = GetDC(slot(card));
        HDC drawn = CreateCompatibleDC(seen);
        SelectObject(drawn, picture);
        bool same = true;
        for (int y = part.top; y < part.bottom && same; ++y)
            for (int x = part.left; x < part.right && same; ++x)
                same = GetPixel(seen, x, y) == GetPixel(drawn, x, y);
        DeleteDC(drawn);
        ReleaseDC(slot(card), seen);
        return same;
    }

    void click(int index, UINT press, LPARAM releasedAt = MAKELPARAM(10, 10)) const {
        SendMessageW(slot(index), press, MK_LBUTTON, MAKELPARAM(10, 10));
        SendMessageW(slot(index), WM_LBUTTONUP, 0, releasedAt);
        pump();
    }

    // What open, which enters a modal loop, shows in the window of that title.
    static std::string whileOpen(const std::function<void()>& open, const wchar_t* title,
                                 std::function<std::string(HWND)> look) {
        DialogWatch watch{title, std::move(look)};
        watching = &watch;
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, lookThenClose);
        open();
        KillTimer(nullptr, timer);
        watching = nullptr;
        return watch.seen;
    }
};

// Whether the whole window, frame included, is centred on the screen: the
// free space halved, a half pixel rounded up.
void expectCentred(HWND window) {
    RECT outer{};
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left) + 1) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top) + 1) / 2);
}

// The cursor a window sets where the mouse is over it.
HCURSOR cursorOver(HWND window) {
    SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), HTCLIENT);
    return GetCursor();
}

// The client area, the frame, then the slots' sizes, lefts and tops.
std::string describeBoard(HWND form1) {
    RECT client{};
    GetClientRect(form1, &client);
    HWND canvas = GetDlgItem(form1, 1);
    std::set<LONG> sizes;
    std::set<LONG> lefts;
    std::set<LONG> tops;
    for (HWND slot = GetWindow(canvas, GW_CHILD); slot != nullptr;
         slot = GetWindow(slot, GW_HWNDNEXT)) {
        const RECT box = placeIn(slot, canvas);
        sizes.insert({box.right - box.left, box.bottom - box.top});
        lefts.insert(box.left);
        tops.insert(box.top);
    }
    std::ostringstream text;
    text << client.right << "x" << client.bottom << " " << describeChildren(form1);
    for (const auto* values : {&sizes, &lefts, &tops}) {
        text << "|";
        for (const LONG value : *values)
            text << " " << value;
    }
    return text.str();
}

TEST_F(Win32Window, Form1AsDesignedAtEachDensity) {
    expectCentred(form1);
    // The menus are built from the table the Qt test checks; the Windows e2e
    // opens them by their access keys.
    EXPECT_EQ(describeWindow(form1), "\"토리무나 그림 맞추기 게임\" 644x323 minimise\n");
    const std::pair<int, const char*> densities[] = {
        {96, "644x323 fCanvas 1 0,0 641x321 \"그림판\" font Duomira Gothic Coding -13 400 set 129\n"
             "| 84| 7 86 165 245 324 403 482 561| 16 118 219"},
        {144,
         "966x485 fCanvas 1 0,0 962x482 \"그림판\" font Duomira Gothic Coding -20 400 set 129\n"
         "| 124| 11 129 248 367 486 605 723 842| 24 177 329"},
        {192,
         "1288x646 fCanvas 1 0,0 1282x642 \"그림판\" font Duomira Gothic Coding -26 400 set 129\n"
         "| 164| 14 172 331 489 648 806 964 1123| 32 235 439"},
    };
    for (const auto& [dpi, board] : densities) {
        if (dpi != window.dpi())
            window.rescale(dpi);
        EXPECT_EQ(describeBoard(form1), board) << dpi;
        EXPECT_EQ(cursorOver(GetDlgItem(form1, 1)), assets.pictures(dpi).handCursor()) << dpi;
        EXPECT_EQ(cursorOver(slot(23)), LoadCursorW(nullptr, IDC_ARROW)) << dpi;
    }
}

// As when the window moves to a monitor of another scale in the middle of a
// game: a pair matched, a miss whose second card waits for its tick. Every
// card shows what it showed, drawn for the new density, and the tick turns
// the second card back there.
TEST_F(Win32Window, ADensityChangeMidGameDrawsWhatShowedAtTheNewDensity) {
    window.show(SW_SHOW);
    for (const int card : {0, 12, 1, 2}) // card c shows picture c mod 12
        click(card, WM_LBUTTONDOWN);
    window.rescale(144);
    const Pictures& dense = assets.pictures(144);
    const RECT seen{0, 0, 112, 118}; // the part no neighbour covers at 1.5x
    for (int card = 0; card < kCardCount; ++card) {
        const bool up = card == 0 || card == 12 || card == 2;
        EXPECT_TRUE(
            shows(card, up ? dense.face(static_cast<Int16>(card % 12)) : dense.back(), seen))
            << card;
    }
    SendMessageW(form1, WM_TIMER, kCloseTimerId, 0);
    EXPECT_TRUE(shows(2, dense.back(), seen));
    EXPECT_TRUE(shows(12, dense.face(0), seen));
}

TEST_F(Win32Window, PasswordDialogAsDesignedOneAtATimeAndClosedWithTheWindow) {
    command(form1::Command::Password);
    HWND dialog = FindWindowW(nullptr, L"패스워드 입력");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(
        describeWindow(dialog) + describeChildren(dialog),
        "\"패스워드 입력\" 218x75 tool\n"
        "Static 102 8,8 73x25 \"패스워드\" font Duomira Gothic -15 400 set 129\n"
        "Edit 101 8,40 117x27 \"\" sunken tab password * font DejaVu Serif -16 400 set 0\n"
        "Button 1 152,40 61x25 \"확인\" tab default font Duomira Gothic Coding -13 400 set 129\n");
    expectCentred(dialog);
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, 101)); // named by the label before it

    MSG escape{GetDlgItem(dialog, 101), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    EXPECT_TRUE(window.takeDialogMessage(escape));
    EXPECT_TRUE(IsWindow(dialog)) << "Escape closed the password dialog";
    SetWindowTextW(GetDlgItem(dialog, 101), L"1");
    command(form1::Command::Password);
    EXPECT_EQ(FindWindowW(nullptr, L"패스워드 입력"), dialog) << "a second dialog";
    EXPECT_EQ(windowText(GetDlgItem(dialog, 101)), "1");
    // Closing the game's window takes the dialog along, and the program with it.
    SendMessageW(form1, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(dialog));
    MSG quit{};
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the game goes on";
}

TEST_F(Win32Window, AboutDialogAsDesignedAndModal) {
    command(form1::Command::Password);
    HWND password = FindWindowW(nullptr, L"패스워드 입력");
    click(0, WM_LBUTTONDOWN);
    const std::string seen =
        whileOpen([&] { command(form1::Command::About); }, L"토리무나 그림 맞추기 게임에 대하여..",
                  [&](HWND about) {
                      // A restart, as another program can post it.
                      PostMessageW(form1, WM_COMMAND, commandId(form1::Command::Start), 0);
                      pump();
                      POINT origin{0, 0};
                      ClientToScreen(about, &origin);
                      return std::to_string(origin.x) + "," + std::to_string(origin.y) +
                             (IsWindowEnabled(form1) ? " board enabled" : "") +
                             (IsWindowEnabled(password) ? " password dialog enabled" : "") +
                             (GetFocus() == GetDlgItem(about, IDOK) ? " focus on OK\n" : "\n") +
                             describeWindow(about) + describeChildren(about);
                  });
    EXPECT_EQ(
        seen,
        "156,129 focus on OK\n"
        "\"토리무나 그림 맞추기 게임에 대하여..\" 382x237 owned\n"
        "Button 1 259,175 108x23 \"확인\" tab default font MS Shell Dlg -12 400 set 129\n"
        "pCard 202 0,16 84x84 \"\" sunken\n"
        "Button 201 260,205 107x23 \"시스템 정보(&S)...\" tab font MS Shell Dlg -12 400 set 129\n"
        "Static 203 104,59 259x94 \""
        "어떤 책의 예제를 참고로 해서 만들었습니다.     "
        "일요일 아침에 급히 만들었기 때문에 어딘가   "
        "삐그덕 거릴수도 있겠구요..                     "
        "카드 그림 열두 장은 한 장씩 손으로 그려 넣었습니다. "
        "틀린 곳을 찾으시면 duomira.author@example.org 로 메일을 보내 주세요.      "
        "감사합니다.\" font MS Shell Dlg -12 400 set 129\n"
        "Static 204 88,16 275x32 \"토리무나 그림 맞추기 게임\" font Duomira Gothic -19 700 set "
        "129\n");
    EXPECT_TRUE(IsWindowEnabled(password)) << "About kept the password dialog disabled";
    EXPECT_EQ(window.model().Turned(), 1) << "a restart posted under About was carried out";
}

// A double click, a press released off its card, and a notification, a card's
// click or a new density any program can post, with a pointer to nowhere: of
// these only the click turns a card, and nothing breaks. (A tick the
// game does not await is the shared controller's to ignore.)
TEST_F(Win32Window, OnlyAClickOfTheCardsOwnTurnsIt) {
    click(3, WM_LBUTTONDBLCLK);
    EXPECT_EQ(window.model().Turned(), 0) << "the second press of a double click counted";
    click(5, WM_LBUTTONDOWN, MAKELPARAM(200, 10));
    EXPECT_EQ(window.model().Turned(), 0) << "a press released off the card counted";
    click(0, WM_LBUTTONDOWN);
    for (HWND target : {form1, GetDlgItem(form1, 1)}) {
        PostMessageW(target, WM_NOTIFY, 100, 16);
        PostMessageW(target, WM_COMMAND, MAKEWPARAM(103, STN_CLICKED),
                     reinterpret_cast<LPARAM>(slot(3)));
    }
    PostMessageW(form1, WM_DPICHANGED, MAKEWPARAM(192, 192), 16);
    pump();
    EXPECT_EQ(window.model().Turned(), 1);
    EXPECT_EQ(window.dpi(), 96);
}

// The keys as the window hands them to the game; what each does is the
// controller's rule, and its edges its own test.
TEST_F(Win32Window, KeysTurnAndMoveOverTheBoardWithTheirMarkAndItsFocusComesBackWithIt) {
    window.show(SW_SHOW);
    EXPECT_EQ(focusedCard(), 0);
    EXPECT_TRUE(shows(0, pictures.back())) << "marked before any key";
    // Each slot in the system's sunken edge: its shadow above, its highlight below.
    HDC edge = GetWindowDC(slot(16));
    EXPECT_EQ(GetPixel(edge, 40, 0), GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(GetPixel(edge, 40, 83), GetSysColor(COLOR_3DHILIGHT));
    ReleaseDC(slot(16), edge);
    press(VK_SPACE);
    press(VK_SPACE, KF_REPEAT << 16);
    EXPECT_EQ(window.model().Turned(), 1) << "a held key clicked again";
    EXPECT_EQ(windowText(slot(0)), "1행 1열, 사과");
    BYTE keys[256]{};
    const int cases[][4] = {{9, 0, VK_LEFT, 8},  {9, 0, VK_RIGHT, 10},  {9, 0, VK_UP, 1},
                            {9, 0, VK_DOWN, 17}, {20, 0, VK_HOME, 16},  {20, 0, VK_END, 23},
                            {23, 0, VK_TAB, 0},  {0, 0x80, VK_TAB, 23}, {0, 0, VK_RIGHT, 1}};
    for (const auto& [from, shift, key, to] : cases) {
        keys[VK_SHIFT] = static_cast<BYTE>(shift);
        SetKeyboardState(keys);
        SetFocus(slot(from));
        press(static_cast<UINT>(key));
        EXPECT_EQ(focusedCard(), to) << "key " << key << " on card " << from;
    }
    EXPECT_FALSE(shows(1, pictures.back())) << "no focus mark after a key";
    EXPECT_FALSE(shows(1, pictures.back(), {70, 5, 75, 74})) << "the mark's right side hidden";
    click(2, WM_LBUTTONDOWN);
    EXPECT_EQ(focusedCard(), 2) << "a click left the focus where it was";
    EXPECT_TRUE(shows(2, pictures.face(window.model().CardPic(2)))) << "marked after a click";
    for (int card = 0; card < 12; ++card) { // the end-of-game blink hides the board
        click(card, WM_LBUTTONDOWN);
        click(card + 12, WM_LBUTTONDOWN);
    }
    EXPECT_EQ(GetFocus(), form1) << "a hidden card kept the focus";
    SendMessageW(form1, WM_TIMER, kCloseTimerId, 0);
    EXPECT_EQ(focusedCard(), 23);
}

// The game's own steps are the shared controller's; here, what the window does for them.
TEST_F(Win32Window, TheCloseTimerTicksAfter300msTheBeepSoundsTheStatusIsTheLastTitle) {
    surface.runCloseTimer(true);
    surface.beep();
    surface.showStatus("2번째에 1개 그림이 열렸습니다");
    wchar_t title[64] = {};
    GetMenuStringW(GetMenu(form1), GetMenuItemCount(GetMenu(form1)) - 1, title, 64, MF_BYPOSITION);
    EXPECT_EQ(narrow(title), "2번째에 1개 그림이 열렸습니다");
    EXPECT_EQ(timerIntervals, std::vector<UINT>{300});
    EXPECT_EQ(beeps, 1);
}

} // namespace
} // namespace duomira
