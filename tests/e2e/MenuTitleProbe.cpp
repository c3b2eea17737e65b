// Prints the last title of a window's menu bar, as UTF-8:
//     menu_title_probe READER.dll "window title"
// The reader is loaded into the window's process for one moment, because
// under Wine no other process can read a menu.
#include "MenuTitleBlock.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

int fail(const char* what) {
    std::fprintf(stderr, "menu title probe: %s (error %lu)\n", what, GetLastError());
    return 1;
}

bool runInProcess(HANDLE process, const std::wstring& library) {
    const SIZE_T bytes = (library.size() + 1) * sizeof(wchar_t);
    void* remote = VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT, PAGE_READWRITE);
    if (remote == nullptr || !WriteProcessMemory(process, remote, library.c_str(), bytes, nullptr))
        return false;
    // kernel32 lies at the same address in every process.
    auto* load = reinterpret_cast<LPTHREAD_START_ROUTINE>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "LoadLibraryW")));
    HANDLE thread = CreateRemoteThread(process, nullptr, 0, load, remote, 0, nullptr);
    const bool done = thread != nullptr && WaitForSingleObject(thread, 10000) == WAIT_OBJECT_0;
    if (thread != nullptr)
        CloseHandle(thread);
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    return done;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3)
        return fail("usage: menu_title_probe READER.dll \"window title\"");
    HWND window = FindWindowW(nullptr, argv[2]);
    if (window == nullptr)
        return fail("no such window");
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(PROCESS_CREATE_THREAD | PROCESS_VM_OPERATION | PROCESS_VM_WRITE |
                                     PROCESS_QUERY_INFORMATION,
                                 FALSE, processId);
    HANDLE mapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                        sizeof(MenuTitleBlock), kMenuTitleBlockName);
    auto* block = mapping != nullptr
                      ? static_cast<MenuTitleBlock*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0,
                                                                   0, sizeof(MenuTitleBlock)))
                      : nullptr;
    if (process == nullptr || block == nullptr)
        return fail("cannot reach the window's process");
    *block = MenuTitleBlock{};
    lstrcpynW(block->window, argv[2], static_cast<int>(kMenuTitleLength));
    if (!runInProcess(process, argv[1]) || block->titles == 0)
        return fail("the reader found no menu bar");
    char text[4 * kMenuTitleLength];
    WideCharToMultiByte(CP_UTF8, 0, block->lastTitle, -1, text, sizeof text, nullptr, nullptr);
    std::printf("%s\n", text);
    return 0;
}
