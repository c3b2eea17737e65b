#include "KoreanFonts.h"

#include <QStringList>

namespace duomira {

QFont koreanFont(const FontStyle& style) {
    QStringList families;
    for (const char* family : familiesOf(style.face))
        families << QString::fromUtf8(family);
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(style.points);
    font.setWeight(static_cast<QFont::Weight>(style.weight));
    font.setStyleHint(isFixedPitch(style.face) ? QFont::Monospace : QFont::SansSerif);
    return font;
}

} // namespace duomira
