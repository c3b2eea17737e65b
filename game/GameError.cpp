#include "GameError.h"

namespace duomira {

namespace {
const char* describe(GameErrorKind kind) {
    switch (kind) {
    case GameErrorKind::Overflow:
        return "overflow";
    case GameErrorKind::SubscriptOutOfRange:
        return "subscript out of range";
    }
    return "game error";
}
} // namespace

GameError::GameError(GameErrorKind kind) : std::runtime_error(describe(kind)), kind_(kind) {}

} // namespace duomira
