// The game as a Windows screen reader meets it, from another process under
// Wine: each card read through Active Accessibility is a push button named
// for its place and face, and a card that turns says its new name through
// the system's name-change event.
#include <windows.h>

#include <oleacc.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace {

struct NameChange {
    HWND slot = nullptr;
    std::wstring name;
};
NameChange heard;

void CALLBACK nameChanged(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD,
                          DWORD) {
    IAccessible* accessible = nullptr;
    VARIANT self{};
    BSTR name = nullptr;
    if (object != OBJID_CLIENT ||
        FAILED(AccessibleObjectFromEvent(window, object, child, &accessible, &self)))
        return;
    if (SUCCEEDED(accessible->get_accName(self, &name)) && name != nullptr)
        heard = {window, name};
    SysFreeString(name);
    accessible->Release();
}

// Waits while the messages come, for as long as a machine four times slower
// than one that needs a second could take.
template <typename Done> bool pumpUntil(Done done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!done() && std::chrono::steady_clock::now() < deadline) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
    }
    return done();
}

struct Read {
    LONG role = 0;
    std::wstring name;
};

Read read(HWND slot) {
    Read seen;
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(slot, static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&accessible))))
        return seen;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT role{};
    BSTR name = nullptr;
    if (SUCCEEDED(accessible->get_accRole(self, &role)) && role.vt == VT_I4)
        seen.role = role.lVal;
    if (SUCCEEDED(accessible->get_accName(self, &name)) && name != nullptr)
        seen.name = name;
    SysFreeString(name);
    accessible->Release();
    return seen;
}

TEST(ScreenReaders, HearEachCardAsAPushButtonAndItsNewNameAsItTurns) {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    STARTUPINFOW start{};
    start.cb = sizeof start;
    PROCESS_INFORMATION game{};
    std::wstring command = L"\"" DUOMIRA_PROGRAM L"\"";
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &start, &game));
    HWND board = nullptr;
    pumpUntil([&] {
        HWND window = FindWindowW(nullptr, L"토리무나 그림 맞추기 게임");
        board = window != nullptr ? GetDlgItem(window, 1) : nullptr;
        return board != nullptr && IsWindowVisible(board);
    });
    ASSERT_NE(board, nullptr) << "the game's window never showed";
    for (int card = 0; card < 24; ++card) {
        const Read seen = read(GetDlgItem(board, 100 + card));
        EXPECT_EQ(seen.role, ROLE_SYSTEM_PUSHBUTTON) << card;
        EXPECT_EQ(seen.name, std::to_wstring(card / 8 + 1) + L"행 " +
                                 std::to_wstring(card % 8 + 1) + L"열, 뒷면")
            << card;
    }
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr,
                                         nameChanged, game.dwProcessId, 0, WINEVENT_OUTOFCONTEXT);
    HWND first = GetDlgItem(board, 100);
    PostMessageW(first, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    PostMessageW(first, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_TRUE(pumpUntil([&] { return heard.slot == first; })) << "no news of the turn";
    EXPECT_TRUE(heard.name.starts_with(L"1행 1열, ") && !heard.name.ends_with(L"뒷면"));
    EXPECT_EQ(heard.name, read(first).name);
    UnhookWinEvent(hook);
    TerminateProcess(game.hProcess, 0);
    CloseHandle(game.hThread);
    CloseHandle(game.hProcess);
}

} // namespace
