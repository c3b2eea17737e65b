#include "AboutDialog.h"

#include "AboutForm.h"
#include "KoreanFonts.h"
#include "Messages.h"
#include "PictureSet.h"
#include "QtTwips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace duomira {

namespace {

void setTextBlack(QLabel* label) {
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, toQColor(frmAbout::kTextColour));
    label->setPalette(colours);
}

} // namespace

AboutDialog::AboutDialog(const PictureSet& pictures, QWidget* owner, std::function<void()> sysInfo)
    : QDialog(owner), sysInfo_(std::move(sysInfo)) {
    // A tool window keeps out of the task bar; the hints leave the title bar
    // with its close box alone.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(pictures.aboutIcon());
    // Its place is fixed on the owner's screen; the screen first, as a window
    // without one takes the primary screen's place.
    if (owner != nullptr)
        setScreen(owner->screen());
    const QPoint screenOrigin = screen()->geometry().topLeft();
    setGeometry(twipsRect(frmAbout::kClient).translated(screenOrigin));
    setFixedSize(size());

    createControls(pictures);
    Form_Load();
}

void AboutDialog::createControls(const PictureSet& pictures) {
    picIcon_ = new QLabel(this);
    picIcon_->setObjectName(QStringLiteral("picIcon"));
    picIcon_->setGeometry(twipsRect(frmAbout::kPicIcon));
    picIcon_->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    picIcon_->setAlignment(Qt::AlignCenter);
    picIcon_->setPixmap(pictures.aboutPicture());

    cmdOK_ = new QPushButton(QString::fromUtf8(kOkCaption), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setGeometry(twipsRect(frmAbout::kCmdOK));
    // Default and cancel at once: QDialog sends Escape to reject() itself.
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);

    cmdSysInfo_ = new QPushButton(QString::fromUtf8(frmAbout::kCmdSysInfoCaption), this);
    cmdSysInfo_->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo_->setGeometry(twipsRect(frmAbout::kCmdSysInfo));
    connect(cmdSysInfo_, &QPushButton::clicked, this, &AboutDialog::cmdSysInfo_Click);

    lblDescription_ = new QLabel(this);
    lblDescription_->setObjectName(QStringLiteral("lblDescription"));
    lblDescription_->setGeometry(twipsRect(frmAbout::kLblDescription));
    lblDescription_->setTextFormat(Qt::PlainText);
    lblDescription_->setWordWrap(true);
    lblDescription_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDescription_->setText(QString::fromStdString(frmAbout::descriptionText()));
    setTextBlack(lblDescription_);

    lblTitle_ = new QLabel(QString::fromUtf8(frmAbout::kLblTitleCaption), this);
    lblTitle_->setObjectName(QStringLiteral("lblTitle"));
    lblTitle_->setGeometry(twipsRect(frmAbout::kLblTitle));
    lblTitle_->setTextFormat(Qt::PlainText);
    lblTitle_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTitle_->setFont(koreanFont(frmAbout::kLblTitleFont));
    setTextBlack(lblTitle_);

    setTabOrder(cmdOK_, picIcon_);
    setTabOrder(picIcon_, cmdSysInfo_);
    setTabOrder(cmdSysInfo_, lblDescription_);
    setTabOrder(lblDescription_, lblTitle_);
    cmdOK_->setFocus();
}

void AboutDialog::Form_Load() {
    setWindowTitle(QString::fromUtf8(frmAbout::kCaption));
}

void AboutDialog::cmdSysInfo_Click() {
    sysInfo_();
}

void AboutDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    for (const frmAbout::LineBand& line : frmAbout::line1Bands())
        painter.fillRect(toQRect(line.band), toQColor(line.colour));
}

} // namespace duomira
