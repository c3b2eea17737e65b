#include "KoreanFonts.h"

#include <QStringList>

namespace duomira {

QFont koreanFont(const FontSpec& spec) {
    QStringList families;
    for (const char* family : familiesOf(spec.face))
        families << QString::fromUtf8(family);
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(spec.points);
    font.setWeight(static_cast<QFont::Weight>(spec.weight));
    font.setStyleHint(isFixedPitch(spec.face) ? QFont::Monospace : QFont::SansSerif);
    return font;
}

} // namespace duomira
