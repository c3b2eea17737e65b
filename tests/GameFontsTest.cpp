#include "AboutForm.h"
#include "KoreanFonts.h"

#include <QtWidgets>

#include <gtest/gtest.h>

namespace duomira::test {
namespace {

// What the game can show: every string literal of its sources (the status
// texts are made of them and digits), gathered as scripts/make-fonts.py does.
QString gameTexts() {
    QString texts;
    for (char c = ' '; c < '\x7f'; ++c)
        texts += QLatin1Char(c);
    const QRegularExpression literal(R"re("((?:[^"\\\n]|\\.)*)")re");
    for (const QString folder : {"game", "forms", "dialogs", "qt", "win32", "assets"}) {
        QDirIterator files(DUOMIRA_SOURCE_DIR "/" + folder, {"*.h", "*.cpp"}, QDir::Files,
                           folder == "assets" ? QDirIterator::NoIteratorFlags
                                              : QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
            for (const auto& match : literal.globalMatch(QString::fromUtf8(file.readAll())))
                texts += match.captured(1);
        }
    }
    return texts;
}

// Where the Windows faces are missing, every font the windows draw with is
// one the game carries, and a character it lacks would fall back to any font.
TEST(GameFonts, DrawEveryCharacterTheGameShows) {
    const QString texts = gameTexts();
    ASSERT_TRUE(texts.contains(QString::fromUtf8(frmAbout::kCmdSysInfoCaption)));
    for (const QFont& drawn : {QApplication::font(), koreanFont(form1::kCanvasFont),
                               koreanFont(frmAbout::kLblTitleFont)}) {
        const QRawFont font = QRawFont::fromFont(drawn);
        const std::string name = (font.familyName() + ' ' + font.styleName()).toStdString();
        EXPECT_TRUE(name.starts_with(kGameGothic)) << name;
        QString missing;
        for (const char32_t character : texts.toUcs4()) {
            if (!font.supportsCharacter(character) && !missing.toUcs4().contains(character))
                missing += QString::fromUcs4(&character, 1);
        }
        EXPECT_EQ(missing.toStdString(), "") << name;
    }
}

} // namespace
} // namespace duomira::test
