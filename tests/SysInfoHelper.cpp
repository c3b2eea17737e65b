// Stands in for the system-information tool in the Windows tests: it leaves
// its own path and its command line in the file DUOMIRA_MARKER names (written
// aside and moved in place, so the test never reads half of it).
#include <windows.h>

#include <string>

int main() {
    wchar_t marker[MAX_PATH];
    wchar_t self[MAX_PATH];
    if (GetEnvironmentVariableW(L"DUOMIRA_MARKER", marker, MAX_PATH) == 0)
        return 2;
    const std::wstring report =
        std::wstring(self, GetModuleFileNameW(nullptr, self, MAX_PATH)) + L"\n" + GetCommandLineW();
    const std::wstring draft = std::wstring(marker) + L".draft";
    const HANDLE file = CreateFileW(draft.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, report.data(), static_cast<DWORD>(report.size() * sizeof(wchar_t)), &written,
              nullptr);
    CloseHandle(file);
    return MoveFileExW(draft.c_str(), marker, MOVEFILE_REPLACE_EXISTING) ? 0 : 3;
}
