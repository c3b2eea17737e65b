#include "AboutDialog.h"

#include "KoreanFonts.h"
#include "PictureSet.h"
#include "Twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace duomira {

namespace {

constexpr double kClientLeft = 2340;
constexpr double kClientTop = 1935;
constexpr double kClientWidth = 5730;
constexpr double kClientHeight = 3555;

// Where mail about the game goes; the one place that names it.
constexpr char kAuthorMail[] = "duomira.author@example.org";

// The note is kept as written, blank runs and all: the label wraps it as a
// whole, so the runs decide where the lines break.
QString descriptionText() {
    return QStringLiteral("어떤 책의 예제를 참고로 해서 만들었습니다.") + QString(5, u' ') +
           QStringLiteral("일요일 아침에 급히 만들었기 때문에 어딘가") + QString(3, u' ') +
           QStringLiteral("삐그덕 거릴수도 있겠구요..") + QString(21, u' ') +
           QStringLiteral("카드 그림 열두 장은 한 장씩 손으로 그려 넣었습니다. "
                          "틀린 곳을 찾으시면 ") +
           QString::fromUtf8(kAuthorMail) + QStringLiteral(" 로 메일을 보내 주세요.") +
           QString(6, u' ') + QStringLiteral("감사합니다.");
}

// The two elements of Line1, each as the band of pixels it covers: a grey
// line with a white one under it, together an etched separator.
struct SeparatorLine {
    QRect band;
    QColor colour;
};

const SeparatorLine kLine1[] = {
    {QRect(twipsToPixels(105), twipsToPixels(2460), twipsToPixels(5654 - 105), 2), Qt::white},
    {QRect(twipsToPixels(90), twipsToPixels(2445), twipsToPixels(5654 - 90), 1),
     QColor(128, 128, 128)},
};

void setTextBlack(QLabel* label) {
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(colours);
}

} // namespace

void showPlainMessageBox(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title),
                    QString::fromStdString(text));
    box.addButton(QStringLiteral("확인"), QMessageBox::AcceptRole);
    box.exec();
}

AboutDialog::AboutDialog(const PictureSet& pictures, std::unique_ptr<SysInfoPlatform> platform)
    : platform_(std::move(platform)) {
    // A tool window keeps out of the task bar; the hints leave the title bar
    // with its close box alone.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(pictures.aboutIcon());
    QPoint screenOrigin = screen()->geometry().topLeft();
    setGeometry(QRect(screenOrigin + QPoint(twipsToPixels(kClientLeft), twipsToPixels(kClientTop)),
                      twipsSize(kClientWidth, kClientHeight)));
    setFixedSize(size());

    createControls(pictures);
    Form_Load();
}

void AboutDialog::createControls(const PictureSet& pictures) {
    picIcon_ = new QLabel(this);
    picIcon_->setObjectName(QStringLiteral("picIcon"));
    picIcon_->setGeometry(twipsRect(0, 240, 1260, 1260));
    picIcon_->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    picIcon_->setAlignment(Qt::AlignCenter);
    picIcon_->setPixmap(pictures.aboutPicture());

    cmdOK_ = new QPushButton(QStringLiteral("확인"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setGeometry(twipsRect(3885, 2625, 1620, 345));
    // Default and cancel at once: QDialog sends Escape to reject() itself.
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);

    cmdSysInfo_ = new QPushButton(QStringLiteral("시스템 정보(&S)..."), this);
    cmdSysInfo_->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo_->setGeometry(twipsRect(3900, 3075, 1605, 345));
    connect(cmdSysInfo_, &QPushButton::clicked, this, &AboutDialog::cmdSysInfo_Click);

    lblDescription_ = new QLabel(this);
    lblDescription_->setObjectName(QStringLiteral("lblDescription"));
    lblDescription_->setGeometry(twipsRect(1560, 885, 3885, 1410));
    lblDescription_->setTextFormat(Qt::PlainText);
    lblDescription_->setWordWrap(true);
    lblDescription_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDescription_->setText(descriptionText());
    setTextBlack(lblDescription_);

    lblTitle_ = new QLabel(QStringLiteral("토리무나 그림 맞추기 게임"), this);
    lblTitle_->setObjectName(QStringLiteral("lblTitle"));
    lblTitle_->setGeometry(twipsRect(1320, 240, 4125, 480));
    lblTitle_->setTextFormat(Qt::PlainText);
    lblTitle_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTitle_->setFont(koreanFont(KoreanFace::Dotum, 14.25, QFont::Bold));
    setTextBlack(lblTitle_);

    setTabOrder(cmdOK_, picIcon_);
    setTabOrder(picIcon_, cmdSysInfo_);
    setTabOrder(cmdSysInfo_, lblDescription_);
    setTabOrder(lblDescription_, lblTitle_);
    cmdOK_->setFocus();
}

void AboutDialog::Form_Load() {
    setWindowTitle(QStringLiteral("토리무나 그림 맞추기 게임에 대하여.."));
}

void AboutDialog::cmdSysInfo_Click() {
    StartSysInfo(*platform_);
}

void AboutDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    for (const auto& line : kLine1)
        painter.fillRect(line.band, line.colour);
}

} // namespace duomira
