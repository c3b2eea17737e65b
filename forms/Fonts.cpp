#include "Fonts.h"

namespace duomira {

namespace {
constexpr const char* kGulim[] = {"굴림", "Gulim", kGameGothic};
constexpr const char* kGulimChe[] = {"굴림체", "GulimChe", kGameGothicCoding};
constexpr const char* kDotum[] = {"돋움", "Dotum", kGameGothic};
// Draws nothing but the password character: a serif where there is one.
constexpr const char* kMsSerif[] = {"MS Serif", "DejaVu Serif", kGameGothic};
} // namespace

std::span<const char* const> familiesOf(KoreanFace face) {
    switch (face) {
    case KoreanFace::Gulim:
        return kGulim;
    case KoreanFace::GulimChe:
        return kGulimChe;
    case KoreanFace::Dotum:
        return kDotum;
    case KoreanFace::MsSerif:
        return kMsSerif;
    }
    return {};
}

} // namespace duomira
