#pragma once

#include "Boundary.h"

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

// The procedure of a dialog run by a C++ object: the object comes with
// WM_INITDIALOG and takes every message from then on, answering as a dialog
// procedure does.
template <typename Dialog>
INT_PTR forwardToDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
                        HWND Dialog::*window, INT_PTR (Dialog::*handle)(UINT, WPARAM, LPARAM)) {
    return atWindowBoundary<INT_PTR>([&]() -> INT_PTR {
        if (message == WM_INITDIALOG) {
            auto* self = reinterpret_cast<Dialog*>(lParam);
            attach(dialog, self);
            self->*window = dialog;
        }
        Dialog* self = attached<Dialog>(dialog);
        return self != nullptr ? (self->*handle)(message, wParam, lParam) : FALSE;
    });
}

} // namespace duomira
