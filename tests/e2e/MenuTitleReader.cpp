// Loaded into the game's own process by the menu title probe: Wine keeps a
// menu to the process that made it, so the title is read from in there. It
// copies the last title of the named window's menu bar into the probe's
// shared block and declines to stay loaded.
#include "MenuTitleBlock.h"

#include <windows.h>

namespace {

void readLastTitle(MenuTitleBlock& block) {
    HWND window = FindWindowW(nullptr, block.window);
    HMENU bar = window != nullptr ? GetMenu(window) : nullptr;
    const int count = bar != nullptr ? GetMenuItemCount(bar) : -1;
    if (count > 0 && GetMenuStringW(bar, static_cast<UINT>(count - 1), block.lastTitle,
                                    kMenuTitleLength, MF_BYPOSITION) >= 0)
        block.titles = count;
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE /*module*/, DWORD reason, LPVOID /*reserved*/) {
    if (reason != DLL_PROCESS_ATTACH)
        return TRUE;
    HANDLE mapping = OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, kMenuTitleBlockName);
    if (mapping == nullptr)
        return FALSE;
    if (void* view = MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(MenuTitleBlock))) {
        readLastTitle(*static_cast<MenuTitleBlock*>(view));
        UnmapViewOfFile(view);
    }
    CloseHandle(mapping);
    return FALSE;
}
