#pragma once

#include "Fonts.h"

#include <QFont>

namespace duomira {

// A font of the forms as Qt's: fontconfig takes the first family installed.
// The game's own fonts are registered as the application object is made.
QFont koreanFont(const FontStyle& style);

} // namespace duomira
