#include "MainWindow.h"

#include "AboutDialog.h"
#include "Boundary.h"
#include "Canvas.h"
#include "CardAccessible.h"
#include "CardSlot.h"
#include "ControlIds.h"
#include "DialogParts.h"
#include "FormTypes.h"
#include "Messages.h"
#include "Text.h"
#include "WindowObject.h"
#include "WindowPlacement.h"

#include <stdexcept>

namespace duomira {

namespace {

constexpr wchar_t kForm1Class[] = L"Form1";
// A fixed single border: no maximise box, no sizing frame.
constexpr DWORD kForm1Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// The menu bar of the form: titles with items open popups, plain titles do
// nothing when chosen; the last one carries the status text.
class MenuBarBuilder final : public form1::MenuBuilder {
public:
    HMENU bar = CreateMenu();

private:
    void addMenu(const char* caption) override {
        popup_ = CreatePopupMenu();
        AppendMenuW(bar, MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(popup_),
                    widen(caption).c_str());
    }
    void addItem(const char* caption, form1::Command command) override {
        AppendMenuW(popup_, MF_STRING, commandId(command), widen(caption).c_str());
    }
    void addSeparator() override { AppendMenuW(popup_, MF_SEPARATOR, 0, nullptr); }
    void addTitle(const char* caption, bool isStatus) override {
        AppendMenuW(bar, MF_STRING, isStatus ? kMnuCountCommand : kMuDummyCommand,
                    widen(caption).c_str());
    }

    HMENU popup_ = nullptr;
};

HMENU createMenuBar() {
    MenuBarBuilder builder;
    form1::buildMenuBar(builder);
    return builder.bar;
}

std::wstring menuCaption(HMENU menu, UINT id) {
    std::wstring caption(
        static_cast<std::size_t>(GetMenuStringW(menu, id, nullptr, 0, MF_BYCOMMAND)) + 1, L'\0');
    caption.resize(static_cast<std::size_t>(
        GetMenuStringW(menu, id, caption.data(), static_cast<int>(caption.size()), MF_BYCOMMAND)));
    return caption;
}

} // namespace

// The window appears on the primary monitor, whose density is the system's
// unless its scale changed since the player signed in: see createWindow.
MainWindow::MainWindow(HINSTANCE instance, DpiAssets& assets, RandomSource& random)
    : instance_(instance), assets_(assets),
      background_(CreateSolidBrush(toColorRef(form1::kBackground))), game_(*this, random),
      fmGetPass_(
          instance, assets, [this](const std::string& text) { game_.passwordAnswered(text); },
          [this] { game_.passwordClosed(); }) {
    useDpi(static_cast<int>(GetDpiForSystem()));
    registerClasses();
    createWindow();
    createBoard();
    game_.start();
}

MainWindow::~MainWindow() {
    // The window outlives this object only while the program ends; whatever
    // reaches it then is no longer the game's.
    attach<MainWindow>(form1_, nullptr);
    for (HWND slot : pCard_)
        forgetGame(slot);
}

void MainWindow::registerClasses() const {
    WNDCLASSEXW type{};
    type.cbSize = sizeof type;
    type.lpfnWndProc = procedure;
    type.hInstance = instance_;
    type.hIcon = pictures_->windowIcon();
    type.hIconSm = pictures_->windowIconSmall();
    type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    type.hbrBackground = background_.get();
    type.lpszClassName = kForm1Class;
    RegisterClassExW(&type);
    registerCanvasClass(instance_, background_.get());
    registerCardSlotClass(instance_);
}

void MainWindow::createWindow() {
    menuBar_ = createMenuBar();
    RECT outer{0, 0, twipsToPixels(form1::kClientWidth, dpi_),
               twipsToPixels(form1::kClientHeight, dpi_)};
    AdjustWindowRectExForDpi(&outer, kForm1Style, TRUE, 0, static_cast<UINT>(dpi_));
    // The procedure knows the window from its first message on; this is the same handle.
    form1_ = CreateWindowExW(0, kForm1Class, widen(form1::kCaption).c_str(), kForm1Style, 0, 0,
                             outer.right - outer.left, outer.bottom - outer.top, nullptr, menuBar_,
                             instance_, this);
    if (form1_ == nullptr)
        throw std::runtime_error("the main window could not be created");
    // The monitor's own density, where it differs from the system's.
    useDpi(dpiOf(form1_));
    fitClientArea();
}

// A menu bar that wraps onto a second line takes its height from the client
// area; the window grows by what is missing.
void MainWindow::fitClientArea() const {
    RECT client{};
    GetClientRect(form1_, &client);
    const int missingWidth = twipsToPixels(form1::kClientWidth, dpi_) - client.right;
    const int missingHeight = twipsToPixels(form1::kClientHeight, dpi_) - client.bottom;
    if (missingWidth == 0 && missingHeight == 0)
        return;
    RECT outer{};
    GetWindowRect(form1_, &outer);
    SetWindowPos(form1_, nullptr, 0, 0, outer.right - outer.left + missingWidth,
                 outer.bottom - outer.top + missingHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::useDpi(int dpi) {
    dpi_ = dpi;
    pictures_ = &assets_.pictures(dpi);
    fonts_ = &assets_.fonts(dpi);
}

void MainWindow::createBoard() {
    fCanvas_ = createCanvas(form1_, kCanvasId, toRect(toPixels(form1::kCanvas, dpi_)),
                            widen(form1::kCanvasCaption).c_str(), fonts_->canvas.get());
    setCanvasCursor(fCanvas_, pictures_->handCursor());
    // Only slot 0 is designed; the others are copied from it as the board loads.
    const POINT corner{twipsToPixels(form1::kSlotLeft, dpi_), twipsToPixels(form1::kSlotTop, dpi_)};
    pCard_[0] =
        createCardSlot(fCanvas_, kFirstCardId, corner, pictures_->slotTemplate(), true, &game_);
}

void MainWindow::rescale(int dpi) {
    useDpi(dpi);
    SendMessageW(form1_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(pictures_->windowIcon()));
    SendMessageW(form1_, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(pictures_->windowIconSmall()));
    resizeClientAroundCentre(form1_, twipsToPixels(form1::kClientWidth, dpi_),
                             twipsToPixels(form1::kClientHeight, dpi_), dpi_);
    fitClientArea();
    placeBoard();
    game_.redrawCards();
}

// The frame and the cards at the window's density, the pictures of the cards
// aside: the game draws those again.
void MainWindow::placeBoard() {
    const PixelRect frame = toPixels(form1::kCanvas, dpi_);
    SetWindowPos(fCanvas_, nullptr, frame.left, frame.top, frame.width, frame.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(fCanvas_, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_->canvas.get()), FALSE);
    setCanvasCursor(fCanvas_, pictures_->handCursor());
    const form1::CardGrid grid = form1::measureCardGrid();
    for (int Pos = 0; Pos < kCardCount; ++Pos) {
        const PixelPoint at = grid.corner(Pos, dpi_);
        SetWindowPos(pCard_.at(static_cast<std::size_t>(Pos)), nullptr, at.x, at.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InvalidateRect(fCanvas_, nullptr, FALSE);
}

void MainWindow::show(int showCommand) const {
    ShowWindow(form1_, showCommand);
    UpdateWindow(form1_);
}

bool MainWindow::takeDialogMessage(MSG& message) const {
    return fmGetPass_.takeDialogMessage(message);
}

LRESULT CALLBACK MainWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return atWindowBoundary<LRESULT>([&] {
        if (message == WM_NCCREATE) {
            auto* self = static_cast<MainWindow*>(
                reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
            attach(window, self);
            self->form1_ = window;
        }
        MainWindow* self = attached<MainWindow>(window);
        return self != nullptr ? self->handle(message, wParam, lParam)
                               : DefWindowProcW(window, message, wParam, lParam);
    });
}

LRESULT MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        // While a modal window is up (About, a message box) this window is
        // disabled: a command then can only come from another program. The
        // cards' clicks reach the game from the cards themselves.
        if (IsWindowEnabled(form1_) && lParam == 0)
            game_.command(commandOf(LOWORD(wParam)));
        return 0;
    case WM_PARENTNOTIFY:
        // A press anywhere on the board, its frame or a card.
        if (LOWORD(wParam) == WM_LBUTTONDOWN)
            game_.boardPressed();
        return 0;
    case WM_SETFOCUS:
        game_.windowFocused();
        return 0;
    case WM_TIMER:
        if (wParam == kCloseTimerId)
            game_.closeTimerTicked();
        return 0;
    case WM_DPICHANGED:
        // The system has moved the window to the density it names; the
        // message's own figures are not read, so one posted by another
        // program changes nothing.
        if (const int dpi = dpiOf(form1_); dpi != dpi_)
            rescale(dpi);
        return 0;
    case WM_DESTROY:
        game_.unload();
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(form1_, message, wParam, lParam);
    }
}

void MainWindow::centreWindow() {
    centreOnScreen(form1_);
}

void MainWindow::layOutCards() {
    const form1::CardGrid grid = form1::measureCardGrid();
    // A later slot lies above the one before it where the two overlap. A new
    // child window goes below its siblings, so the copies are made from the
    // last to the first, and the designed slot then goes below them all.
    for (int Pos = kCardCount - 1; Pos >= 1; --Pos) {
        // Made in place and visible: the form is still hidden, so nothing is
        // drawn before it shows.
        const PixelPoint at = grid.corner(Pos, dpi_);
        const POINT corner{at.x, at.y};
        pCard_.at(static_cast<std::size_t>(Pos)) = createCardSlot(
            fCanvas_, kFirstCardId + Pos, corner, shownPicture(pCard_[0]), true, &game_);
    }
    SetWindowPos(pCard_[0], HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void MainWindow::drawCard(int card, int picture) {
    showPicture(pCard_.at(static_cast<std::size_t>(card)),
                picture < 0 ? pictures_->back() : pictures_->face(static_cast<Int16>(picture)));
}

void MainWindow::nameCard(int card, const std::string& name) {
    HWND slot = pCard_.at(static_cast<std::size_t>(card));
    SetWindowTextW(slot, widen(name).c_str());
    announceCardName(slot);
}

// Screen readers hear a card's new name from the card itself.
void MainWindow::tellCardNews(const std::string& /*name*/) {}

void MainWindow::tellStatusNews(const std::string& /*text*/) {}

void MainWindow::focusCard(int card) {
    SetFocus(pCard_.at(static_cast<std::size_t>(card)));
}

// The window itself holds the focus while none of its cards can.
bool MainWindow::focusIsFree() const {
    return GetFocus() == form1_;
}

void MainWindow::showFocusMark(bool shown) {
    for (HWND slot : pCard_)
        setMarksFocus(slot, shown);
}

void MainWindow::showStatus(const std::string& text) {
    std::wstring caption = widen(text);
    // The game sets the same text again at each deal; redrawing the bar then
    // costs a new layout of the window's frame and changes nothing.
    if (caption == menuCaption(menuBar_, kMnuCountCommand))
        return;
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STRING;
    item.dwTypeData = caption.data();
    SetMenuItemInfoW(menuBar_, kMnuCountCommand, FALSE, &item);
    DrawMenuBar(form1_);
}

void MainWindow::runCloseTimer(bool on) {
    if (on)
        SetTimer(form1_, kCloseTimerId, form1::kCloseIntervalMs, nullptr);
    else
        KillTimer(form1_, kCloseTimerId);
}

// A hidden card keeps the focus unless it is taken away: the window holds it.
void MainWindow::showBoard(bool on) {
    ShowWindow(fCanvas_, on ? SW_SHOWNA : SW_HIDE);
    if (!on && IsChild(fCanvas_, GetFocus()))
        SetFocus(form1_);
}

void MainWindow::beep() {
    MessageBeep(MB_OK);
}

// An error of the game's is the main window's; the launcher's note is About's.
void MainWindow::showMessage(const std::string& text, const std::string& title, MessageKind kind) {
    const bool error = kind == MessageKind::Error;
    HWND owner = error || GetActiveWindow() == nullptr ? form1_ : GetActiveWindow();
    MessageBoxW(owner, widen(text).c_str(), widen(title).c_str(),
                MB_OK | (error ? MB_ICONERROR : 0));
}

void MainWindow::showAbout() {
    AboutDialog about(instance_, assets_, [this] { game_.sysInfoClicked(); });
    about.showModal(form1_);
}

// Ends the program at once: the message loop stops, and no window gets the
// chance to close itself or run its unload procedure.
void MainWindow::endProgram() {
    PostQuitMessage(0);
}

void MainWindow::showPassword(bool /*load*/) {
    fmGetPass_.show();
}

void MainWindow::closePassword() {
    fmGetPass_.unload();
}

} // namespace duomira
