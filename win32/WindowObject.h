#pragma once

#include <windows.h>

namespace duomira {

// The C++ object behind a window, kept in its user data from the first
// message that carries it on.
template <typename Object> void attach(HWND window, Object* object) {
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
}

template <typename Object> Object* attached(HWND window) {
    return reinterpret_cast<Object*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

} // namespace duomira
