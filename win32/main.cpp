#include "Boundary.h"
#include "DpiAssets.h"
#include "MainWindow.h"
#include "RandomSource.h"

#include <windows.h>

namespace {

// Runs until the main window closes or the end command stops it; an error
// that escaped a window procedure is thrown again here and ends the program.
int runMessageLoop(const duomira::MainWindow& window) {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!window.takeDialogMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        duomira::rethrowKeptError();
    }
    duomira::rethrowKeptError();
    return static_cast<int>(message.wParam);
}

} // namespace

// The game reads no command line.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand) {
    duomira::DpiAssets assets(instance);
    duomira::ClockRandomSource random;
    duomira::MainWindow window(instance, assets, random);
    window.show(showCommand);
    return runMessageLoop(window);
}
