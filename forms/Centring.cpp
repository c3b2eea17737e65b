#include "Centring.h"

#include <algorithm>

namespace duomira {

PixelPoint centredCorner(const PixelRect& screen, const PixelRect& workArea, int outerWidth,
                         int outerHeight) {
    const auto screenWidth = static_cast<float>(pixelsToTwips(screen.width));
    const auto screenHeight = static_cast<float>(pixelsToTwips(screen.height));
    const float left = (screenWidth - static_cast<float>(pixelsToTwips(outerWidth))) / 2.0F;
    const float top = (screenHeight - static_cast<float>(pixelsToTwips(outerHeight))) / 2.0F;
    return {std::max(screen.left + twipsToPixels(left), workArea.left),
            std::max(screen.top + twipsToPixels(top), workArea.top)};
}

} // namespace duomira
