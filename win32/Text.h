#pragma once

#include <windows.h>

#include <climits>
#include <stdexcept>
#include <string>
#include <string_view>

namespace duomira {

// The shared tables hold UTF-8; every Win32 call here takes UTF-16.
inline std::wstring widen(std::string_view utf8) {
    if (utf8.empty())
        return {};
    if (utf8.size() > INT_MAX)
        throw std::length_error("text too long to convert");
    const int length = static_cast<int>(utf8.size());
    const int wideLength = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
    if (wideLength == 0)
        throw std::runtime_error("text is not UTF-8");
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(), wideLength);
    return wide;
}

inline std::string narrow(std::wstring_view wide) {
    if (wide.empty())
        return {};
    if (wide.size() > INT_MAX)
        throw std::length_error("text too long to convert");
    const int length = static_cast<int>(wide.size());
    const int utf8Length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    if (utf8Length == 0)
        throw std::runtime_error("text is not UTF-16");
    std::string utf8(static_cast<std::size_t>(utf8Length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, utf8.data(), utf8Length, nullptr, nullptr);
    return utf8;
}

// A window's whole text, as the player typed it.
inline std::string windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(copied));
    return narrow(text);
}

} // namespace duomira
