#pragma once

#include <cstddef>

// What the menu title probe and its reader share: the window's title in,
// the last title of its menu bar out.
inline constexpr std::size_t kMenuTitleLength = 256;
inline constexpr wchar_t kMenuTitleBlockName[] = L"Local\\duomira-menu-title-probe";

struct MenuTitleBlock {
    wchar_t window[kMenuTitleLength];
    wchar_t lastTitle[kMenuTitleLength];
    int titles;
};
