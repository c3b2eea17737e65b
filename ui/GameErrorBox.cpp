#include "GameErrorBox.h"

#include <QMessageBox>
#include <QPushButton>

namespace duomira {

namespace {
QString textOf(GameErrorKind kind) {
    switch (kind) {
    case GameErrorKind::Overflow:
        return QStringLiteral("오버플로가 발생했습니다.");
    case GameErrorKind::SubscriptOutOfRange:
        return QStringLiteral("첨자가 범위를 벗어났습니다.");
    }
    return QStringLiteral("알 수 없는 오류가 발생했습니다.");
}
} // namespace

void showGameErrorBox(QWidget* parent, const GameError& error) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Duomira"), textOf(error.kind()),
                    QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("gameErrorBox"));
    box.addButton(QStringLiteral("확인"), QMessageBox::AcceptRole);
    box.exec();
}

} // namespace duomira
