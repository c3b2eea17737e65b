#include "PasswordDialog.h"

#include "KoreanFonts.h"
#include "NumberReader.h"
#include "Twips.h"

#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

#include <utility>

namespace duomira {

namespace {

constexpr double kClientWidth = 3270;
constexpr double kClientHeight = 1125;
const QColor kPeach(255, 224, 192);
const QColor kEntryGrey(192, 192, 192);

// A window without an icon of its own: an empty one keeps the program's icon
// from standing in for it.
QIcon noIcon() {
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

} // namespace

PasswordDialog::PasswordDialog(std::function<void()> allOpen) : allOpen_(std::move(allOpen)) {
    setAttribute(Qt::WA_DeleteOnClose);
    // A tool window has no task-bar entry; the hints leave it a title bar
    // with the close box alone.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("패스워드 입력"));
    setWindowIcon(noIcon());
    setFixedSize(twipsSize(kClientWidth, kClientHeight));
    setFont(koreanFont(KoreanFace::Gulim, 8.25));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kPeach);
    setPalette(colours);
    setAutoFillBackground(true);

    createControls();
    Form_Load();

    // Centred on the screen: the dialog has no owner to centre on, and the
    // main window itself starts centred on the screen.
    QRect screenArea = screen()->availableGeometry();
    move(screenArea.center() - rect().center());
}

void PasswordDialog::createControls() {
    Command1_ = new QPushButton(QStringLiteral("확인"), this);
    Command1_->setGeometry(twipsRect(2280, 600, 915, 375));
    Command1_->setFont(koreanFont(KoreanFace::GulimChe, 9.75));
    Command1_->setDefault(true);
    connect(Command1_, &QPushButton::clicked, this, &PasswordDialog::Command1_Click);

    tPass_ = new QLineEdit(QStringLiteral("*****"), this);
    tPass_->setGeometry(twipsRect(120, 600, 1755, 405));
    tPass_->setFont(koreanFont(KoreanFace::MsSerif, 12));
    // Every typed character shows as "*", not as the style's own bullet.
    tPass_->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    tPass_->setEchoMode(QLineEdit::Password);
    QPalette entryColours = tPass_->palette();
    entryColours.setColor(QPalette::Base, kEntryGrey);
    tPass_->setPalette(entryColours);

    Label1_ = new QLabel(QStringLiteral("패스워드"), this);
    Label1_->setGeometry(twipsRect(120, 120, 1095, 375));
    Label1_->setFont(koreanFont(KoreanFace::Gulim, 11.25));

    setTabOrder(tPass_, Command1_);
    tPass_->setFocus();
}

void PasswordDialog::Form_Load() {
    tPass_->clear();
}

void PasswordDialog::Command1_Click() {
    if (isAccessNumber(tPass_->text().toStdString()))
        allOpen_();
    close();
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
