#include "SysInfoPlatform.h"

#include <windows.h>

#include <climits>
#include <stdexcept>
#include <utility>

namespace duomira {

namespace {

std::wstring toWide(const std::string& text, UINT codePage) {
    if (text.empty()) {
        return {};
    }
    if (text.size() > INT_MAX) {
        throw std::length_error("text too long to convert");
    }
    const int length = static_cast<int>(text.size());
    const int wideLength = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    if (wideLength == 0) {
        throw std::runtime_error("text conversion failed");
    }
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), wideLength);
    return wide;
}

std::string toUtf8(const std::wstring& wide) {
    if (wide.empty()) {
        return {};
    }
    const int length = static_cast<int>(wide.size());
    const int utf8Length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    if (utf8Length == 0) {
        throw std::runtime_error("text conversion failed");
    }
    std::string utf8(static_cast<std::size_t>(utf8Length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, utf8.data(), utf8Length, nullptr, nullptr);
    return utf8;
}

// The predefined roots are 32-bit values that HKEY widens with their sign.
HKEY rootKey(std::uint32_t root) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

HKEY openedKey(SysInfoPlatform::KeyHandle key) {
    return reinterpret_cast<HKEY>(key);
}

bool isNormalFile(const WIN32_FIND_DATAW& found) {
    constexpr DWORD notNormal =
        FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
    return (found.dwFileAttributes & notNormal) == 0;
}

class WindowsPlatform final : public SystemPlatformBase {
public:
    using SystemPlatformBase::SystemPlatformBase;

    long openKey(std::uint32_t root, const std::string& keyName, std::uint32_t access,
                 KeyHandle& key) override {
        HKEY opened = nullptr;
        const LONG result = RegOpenKeyExA(rootKey(root), keyName.c_str(), 0, access, &opened);
        if (result == ERROR_SUCCESS) {
            key = reinterpret_cast<KeyHandle>(opened);
        }
        return result;
    }

    long queryValue(KeyHandle key, const std::string& valueName, std::uint32_t& type,
                    unsigned char* data, std::uint32_t& size) override {
        DWORD valueType = 0;
        DWORD dataSize = size;
        const LONG result = RegQueryValueExA(openedKey(key), valueName.c_str(), nullptr, &valueType,
                                             data, &dataSize);
        type = valueType;
        size = dataSize;
        return result;
    }

    void closeKey(KeyHandle key) override { RegCloseKey(openedKey(key)); }

    std::string decodeAnsi(const std::string& bytes) override {
        return toUtf8(toWide(bytes, CP_ACP));
    }

    std::string findFile(const std::string& path) override {
        WIN32_FIND_DATAW found{};
        const HANDLE search = FindFirstFileW(toWide(path, CP_UTF8).c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) {
            return {};
        }
        std::string name;
        do {
            if (isNormalFile(found)) {
                name = toUtf8(found.cFileName);
                break;
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
        return name;
    }

    // The path goes in as the program file itself and, quoted, as the first
    // word of the command line: a path with blanks cannot start anything else.
    void startProgram(const std::string& path) override {
        const std::wstring program = toWide(path, CP_UTF8);
        std::wstring commandLine = L"\"" + program + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNORMAL;
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                            nullptr, nullptr, &startup, &process)) {
            throw std::runtime_error("cannot start " + path + " (error " +
                                     std::to_string(GetLastError()) + ")");
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
};

} // namespace

std::unique_ptr<SysInfoPlatform> makeSystemPlatform(MessageBoxFunction showMessage) {
    return std::make_unique<WindowsPlatform>(std::move(showMessage));
}

} // namespace duomira
