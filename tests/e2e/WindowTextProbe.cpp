// What a screen reader hears of another program's window: the text of each
// of its child windows, a line each in UTF-8, and a blank line after them.
//     window_text_probe "window title"
// Each line on the standard input asks for what changes next, as a screen
// reader listens for changes: the answer comes once the texts differ from
// the last answer (the first comes at once), or after three seconds without.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

BOOL CALLBACK hearChild(HWND child, LPARAM heard) {
    wchar_t text[256]{};
    GetWindowTextW(child, text, 256);
    *reinterpret_cast<std::wstring*>(heard) += std::wstring(text) + L"\n";
    return TRUE;
}

std::wstring hear(HWND window) {
    std::wstring heard;
    EnumChildWindows(window, hearChild, reinterpret_cast<LPARAM>(&heard));
    return heard;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    HWND window = argc == 2 ? FindWindowW(nullptr, argv[1]) : nullptr;
    if (window == nullptr) {
        std::fputs("window text probe: no such window\n", stderr);
        return 1;
    }
    std::wstring told;
    char request[16];
    while (std::fgets(request, sizeof request, stdin) != nullptr) {
        std::wstring heard = hear(window);
        for (int waited = 0; heard == told && waited < 3000; waited += 5) {
            Sleep(5);
            heard = hear(window);
        }
        told = heard;
        static char utf8[1 << 16];
        WideCharToMultiByte(CP_UTF8, 0, heard.c_str(), -1, utf8, sizeof utf8, nullptr, nullptr);
        std::printf("%s\n", utf8);
        std::fflush(stdout);
    }
    return 0;
}
