#include "PasswordDialog.h"

#include "KoreanFonts.h"
#include "MaskedEntryNews.h"
#include "Messages.h"
#include "PasswordForm.h"
#include "QtTwips.h"
#include "WindowManagerRequests.h"
#include "WindowPlacement.h"

#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include <utility>

namespace duomira {

namespace {

// A window without an icon of its own: an empty one keeps the program's icon
// from standing in for it.
QIcon noIcon() {
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

} // namespace

PasswordDialog::PasswordDialog(std::function<void(const std::string&)> answered, QScreen* screen)
    : answered_(std::move(answered)) {
    maskTypedTextForScreenReaders();
    setAttribute(Qt::WA_DeleteOnClose);
    // A tool window has no task-bar entry; the hints leave it a title bar
    // with the close box alone.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QString::fromUtf8(fmGetPass::kCaption));
    setWindowIcon(noIcon());
    setFixedSize(twipsSize(fmGetPass::kClientWidth, fmGetPass::kClientHeight));
    setFont(koreanFont(fmGetPass::kFormFont));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, toQColor(fmGetPass::kBackground));
    setPalette(colours);
    setAutoFillBackground(true);

    createControls();

    // Centred on the game's screen: the dialog has no owner to centre on, and
    // the main window itself starts centred on its screen.
    centreOnScreen(*this, screen);
}

void PasswordDialog::setVisible(bool visible) {
    QDialog::setVisible(visible);
    if (visible)
        forgetOwner(*this);
}

void PasswordDialog::createControls() {
    Command1_ = new QPushButton(QString::fromUtf8(kOkCaption), this);
    Command1_->setGeometry(twipsRect(fmGetPass::kCommand1));
    Command1_->setFont(koreanFont(fmGetPass::kCommand1Font));
    Command1_->setDefault(true);
    connect(Command1_, &QPushButton::clicked, this, &PasswordDialog::Command1_Click);

    // Made empty, as the dialog's load leaves it.
    tPass_ = new QLineEdit(this);
    tPass_->setGeometry(twipsRect(fmGetPass::kTPass));
    tPass_->setFont(koreanFont(fmGetPass::kTPassFont));
    // Every typed character shows as "*", not as the style's own bullet.
    tPass_->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: %1; }")
                              .arg(int{fmGetPass::kPasswordCharacter}));
    tPass_->setEchoMode(QLineEdit::Password);
    QPalette entryColours = tPass_->palette();
    entryColours.setColor(QPalette::Base, toQColor(fmGetPass::kTPassBackground));
    tPass_->setPalette(entryColours);

    Label1_ = new QLabel(QString::fromUtf8(fmGetPass::kLabel1Caption), this);
    Label1_->setGeometry(twipsRect(fmGetPass::kLabel1));
    Label1_->setFont(koreanFont(fmGetPass::kLabel1Font));
    Label1_->setBuddy(tPass_); // names the box for a screen reader

    setTabOrder(tPass_, Command1_);
    tPass_->setFocus();
}

void PasswordDialog::Command1_Click() {
    answered_(tPass_->text().toStdString());
}

void PasswordDialog::closeEvent(QCloseEvent* event) {
    QDialog::closeEvent(event);
    emit closed();
}

// The OK button is the default button and nothing is the cancel button:
// Escape does not close the dialog, only OK and the close box do.
void PasswordDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace duomira
