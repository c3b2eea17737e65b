#include "Fonts.h"

namespace duomira {

namespace {
constexpr const char* kGulim[] = {"굴림", "Gulim", "NanumGothic"};
constexpr const char* kGulimChe[] = {"굴림체", "GulimChe", "NanumGothicCoding", "NanumGothic"};
constexpr const char* kDotum[] = {"돋움", "Dotum", "NanumGothic"};
constexpr const char* kMsSerif[] = {"MS Serif", "DejaVu Serif", "NanumMyeongjo", "NanumGothic"};
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
