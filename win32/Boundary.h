#pragma once

#include <windows.h>

#include <exception>

namespace duomira {

// No C++ exception may unwind through the system's code that calls a window
// procedure. What escapes one is kept here, the program's message loops are
// told to stop, and the main loop throws it again once the system is out of
// the way: a real bug still ends the program.
void keepForMessageLoop(std::exception_ptr error) noexcept;
void rethrowKeptError();

template <typename Result, typename Body> Result atWindowBoundary(Body&& body) noexcept {
    try {
        return body();
    } catch (...) {
        keepForMessageLoop(std::current_exception());
        return Result{};
    }
}

} // namespace duomira
