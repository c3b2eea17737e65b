// Stands in for the system-information tool in the Windows tests: it leaves
// its own path and its command line in the file that DUOMIRA_MARKER names, so
// a test can tell which program was started, and how.
#include <windows.h>

#include <string>

int main() {
    wchar_t marker[MAX_PATH];
    const DWORD markerLength = GetEnvironmentVariableW(L"DUOMIRA_MARKER", marker, MAX_PATH);
    if (markerLength == 0 || markerLength >= MAX_PATH) {
        return 2;
    }
    wchar_t self[MAX_PATH];
    const DWORD selfLength = GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring report = std::wstring(self, selfLength) + L"\n" + GetCommandLineW();

    // Written aside and moved in place, so the test never reads half a file.
    const std::wstring draft = std::wstring(marker) + L".draft";
    const HANDLE file = CreateFileW(draft.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 3;
    }
    DWORD written = 0;
    const BOOL wrote =
        WriteFile(file, report.data(), static_cast<DWORD>(report.size() * sizeof(wchar_t)),
                  &written, nullptr);
    CloseHandle(file);
    return wrote && MoveFileExW(draft.c_str(), marker, MOVEFILE_REPLACE_EXISTING) ? 0 : 4;
}
