#include "AboutForm.h"

namespace duomira::frmAbout {

namespace {
// Where mail about the game goes; the one place that names it.
constexpr char kAuthorMail[] = "duomira.author@example.org";
} // namespace

std::string descriptionText() {
    return std::string("어떤 책의 예제를 참고로 해서 만들었습니다.") + std::string(5, ' ') +
           "일요일 아침에 급히 만들었기 때문에 어딘가" + std::string(3, ' ') +
           "삐그덕 거릴수도 있겠구요.." + std::string(21, ' ') +
           "카드 그림 열두 장은 한 장씩 손으로 그려 넣었습니다. 틀린 곳을 찾으시면 " + kAuthorMail +
           " 로 메일을 보내 주세요." + std::string(6, ' ') + "감사합니다.";
}

} // namespace duomira::frmAbout
