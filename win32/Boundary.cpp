#include "Boundary.h"

#include <utility>

namespace duomira {

namespace {
std::exception_ptr keptError;
} // namespace

void keepForMessageLoop(std::exception_ptr error) noexcept {
    if (!keptError)
        keptError = std::move(error);
    // Ends every message loop, a modal one included, down to the main loop.
    PostQuitMessage(1);
}

void rethrowKeptError() {
    if (keptError)
        std::rethrow_exception(std::exchange(keptError, nullptr));
}

} // namespace duomira
