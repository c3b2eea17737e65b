#include "GameErrorBox.h"

#include "Messages.h"
#include "SysInfoLauncher.h"

#include <QMessageBox>
#include <QPushButton>

namespace duomira {

void showGameErrorBox(QWidget* parent, const GameError& error) {
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kAppTitle),
                    QString::fromUtf8(gameErrorText(error.kind())), QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("gameErrorBox"));
    box.addButton(QString::fromUtf8(kOkCaption), QMessageBox::AcceptRole);
    box.exec();
}

} // namespace duomira
