#include "MainWindow.h"
#include "RandomSource.h"
#include "WebAssets.h"
#include "WindowFrame.h"

// The page's game: its pictures come with the program's file package, its
// fonts beside the page; the window is made once the fonts can draw it. main returns and
// the runtime stays for the page's events.
int main() {
    static duomira::ClockRandomSource random;
    duomira::web::useClassicScheme();
    static const duomira::web::WebAssets assets;
    assets.whenFontsReady([] { static duomira::web::MainWindow window(assets, random); });
    return 0;
}
