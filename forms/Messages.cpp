#include "Messages.h"

namespace duomira {

const char* gameErrorText(GameErrorKind kind) {
    switch (kind) {
    case GameErrorKind::Overflow:
        return "오버플로가 발생했습니다.";
    case GameErrorKind::SubscriptOutOfRange:
        return "첨자가 범위를 벗어났습니다.";
    }
    return "알 수 없는 오류가 발생했습니다.";
}

} // namespace duomira
