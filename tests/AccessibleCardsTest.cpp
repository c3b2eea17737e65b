// The game as a Windows screen reader meets it, from another process under
// Wine: each card read through Active Accessibility is a push button named
// for its place and face, pressed by its default action, and a card that
// turns says its new name through the system's name-change event.
#include <windows.h>

#include <oleacc.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace {

// The role and the name, as "43 1행 1열, 뒷면"; empty where nothing answers.
// Then, if asked, the default action's name, and the action done.
std::wstring describe(IAccessible* accessible, VARIANT self, bool press = false) {
    VARIANT role{};
    BSTR name = nullptr;
    BSTR action = nullptr;
    std::wstring said;
    if (SUCCEEDED(accessible->get_accRole(self, &role)) &&
        SUCCEEDED(accessible->get_accName(self, &name)) && name != nullptr)
        said = std::to_wstring(role.lVal) + L" " + name;
    if (press && SUCCEEDED(accessible->get_accDefaultAction(self, &action)) && action != nullptr &&
        SUCCEEDED(accessible->accDoDefaultAction(self)))
        said += L" " + std::wstring(action);
    SysFreeString(name);
    SysFreeString(action);
    accessible->Release();
    return said;
}

std::wstring describe(HWND slot, bool press = false) {
    IAccessible* accessible = nullptr;
    VARIANT self{};
    self.vt = VT_I4; // and CHILDID_SELF, 0
    return SUCCEEDED(AccessibleObjectFromWindow(slot, static_cast<DWORD>(OBJID_CLIENT),
                                                __uuidof(IAccessible),
                                                reinterpret_cast<void**>(&accessible)))
               ? describe(accessible, self, press)
               : L"";
}

HWND changedSlot = nullptr;
std::wstring changedTo;

void CALLBACK nameChanged(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD,
                          DWORD) {
    IAccessible* accessible = nullptr;
    VARIANT self{};
    if (object == OBJID_CLIENT &&
        SUCCEEDED(AccessibleObjectFromEvent(window, object, child, &accessible, &self))) {
        changedSlot = window;
        changedTo = describe(accessible, self);
    }
}

// Handles messages until done, for as long as a machine four times slower
// than one that needs a second could take.
template <typename Done> bool pumpUntil(Done done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    for (MSG message; !done() && std::chrono::steady_clock::now() < deadline;) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
    }
    return done();
}

TEST(ScreenReaders, HearEachCardAsAPushButtonPressItAndHearItsNewName) {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    STARTUPINFOW start{};
    start.cb = sizeof start;
    PROCESS_INFORMATION game{};
    std::wstring command = L"\"" DUOMIRA_PROGRAM L"\"";
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &start, &game));
    HWND board = nullptr;
    ASSERT_TRUE(pumpUntil([&] {
        board = GetDlgItem(FindWindowW(nullptr, L"토리무나 그림 맞추기 게임"), 1);
        return board != nullptr && IsWindowVisible(board);
    })) << "the game's window never showed";
    for (int card = 0; card < 24; ++card)
        EXPECT_EQ(describe(GetDlgItem(board, 100 + card)),
                  std::to_wstring(ROLE_SYSTEM_PUSHBUTTON) + L" " + std::to_wstring(card / 8 + 1) +
                      L"행 " + std::to_wstring(card % 8 + 1) + L"열, 뒷면");

    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr,
                                         nameChanged, game.dwProcessId, 0, WINEVENT_OUTOFCONTEXT);
    HWND first = GetDlgItem(board, 100);
    EXPECT_EQ(describe(first, true), L"43 1행 1열, 뒷면 누르기");
    EXPECT_TRUE(pumpUntil([&] { return changedSlot == first; })) << "no news of the turn";
    EXPECT_TRUE(changedTo.starts_with(L"43 1행 1열, ") && !changedTo.ends_with(L"뒷면"));
    EXPECT_EQ(changedTo, describe(first));
    UnhookWinEvent(hook);
    TerminateProcess(game.hProcess, 0);
    CloseHandle(game.hThread);
    CloseHandle(game.hProcess);
}

} // namespace
