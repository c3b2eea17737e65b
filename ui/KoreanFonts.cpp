#include "KoreanFonts.h"

#include <QStringList>

namespace duomira {

namespace {
QStringList familiesOf(KoreanFace face) {
    switch (face) {
    case KoreanFace::Gulim:
        return {QStringLiteral("굴림"), QStringLiteral("Gulim"), QStringLiteral("NanumGothic")};
    case KoreanFace::GulimChe:
        return {QStringLiteral("굴림체"), QStringLiteral("GulimChe"),
                QStringLiteral("NanumGothicCoding"), QStringLiteral("NanumGothic")};
    case KoreanFace::Dotum:
        return {QStringLiteral("돋움"), QStringLiteral("Dotum"), QStringLiteral("NanumGothic")};
    case KoreanFace::MsSerif:
        return {QStringLiteral("MS Serif"), QStringLiteral("DejaVu Serif"),
                QStringLiteral("NanumMyeongjo"), QStringLiteral("NanumGothic")};
    }
    return {};
}
} // namespace

QFont koreanFont(KoreanFace face, double points, QFont::Weight weight) {
    QFont font;
    font.setFamilies(familiesOf(face));
    font.setPointSizeF(points);
    font.setWeight(weight);
    font.setStyleHint(face == KoreanFace::GulimChe ? QFont::Monospace : QFont::SansSerif);
    return font;
}

} // namespace duomira
