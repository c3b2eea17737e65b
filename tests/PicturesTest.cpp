#include "AboutForm.h"
#include "GameError.h"
#include "KoreanFonts.h"
#include "MainWindow.h"
#include "PictureSet.h"
#include "TestRandom.h"

#include <QtGui>

#include <gtest/gtest.h>

namespace duomira {
namespace {

QImage committed(const QString& name) {
    return QImage(QStringLiteral(DUOMIRA_ASSETS_DIR "/") + name)
        .convertToFormat(QImage::Format_RGB32);
}

QImage shown(const QPixmap& picture) {
    return picture.toImage().convertToFormat(QImage::Format_RGB32);
}

// What the set holds is the committed files, face p facePP.bmp.
TEST(PictureSet, HoldsTheCommittedPictures) {
    const PictureSet set;
    for (int p = 0; p < kPictureCount; ++p)
        EXPECT_EQ(shown(set.face(p)),
                  committed(QStringLiteral("face%1.bmp").arg(p, 2, 10, QChar('0'))))
            << p;
    EXPECT_EQ(shown(set.back()), committed(QStringLiteral("back.bmp")));
    EXPECT_THROW(set.face(-1), GameError);
    EXPECT_THROW(set.face(12), GameError);
}

// The board shows a turned card as the face drawn for its screen's pixel ratio,
// pixel for pixel: the 80-pixel face stretched to the screen would not match.
// Runs at 1 with the others, and at 1.5 and 2 (QT_SCALE_FACTOR) on its own.
TEST(PictureSet, BoardShowsTheFaceDrawnForItsScreen) {
    test::TestRandom random(test::identityDeal()); // card 9 shows face 9
    MainWindow window(random);
    window.show();
    window.card(9)->click();
    const QImage shot = window.grab().toImage();
    const qreal ratio = shot.devicePixelRatio();
    const QString density = ratio == 2 ? "@2x" : ratio == 1.5 ? "@1.5x" : "";
    const QImage face = committed("face09" + density + ".bmp");
    // The next slot lies over the face's last few columns.
    const CardSlot* slot = window.card(9);
    const int uncovered = window.card(10)->x() - slot->x() - slot->frameWidth();
    const QRect shown(slot->mapTo(&window, slot->contentsRect().topLeft()) * ratio,
                      QSize(uncovered, slot->contentsRect().height()) * ratio);
    EXPECT_EQ(shot.copy(shown).convertToFormat(QImage::Format_RGB32),
              face.copy(QRect(QPoint(0, 0), shown.size())));
}

// Every string literal of the sources (what the game shows is made of them
// and digits), read as scripts/make-fonts.py reads them, has a glyph in each
// font the windows draw with where the Windows faces are missing: the game's.
TEST(GameFonts, DrawEveryCharacterOfTheSourcesLiterals) {
    QString texts;
    const QRegularExpression literal(R"re("((?:[^"\\\n]|\\.)*)")re");
    for (const QString folder : {"game", "forms", "dialogs", "qt", "win32", "web", "assets"}) {
        QDirIterator files(DUOMIRA_ASSETS_DIR "/../" + folder, {"*.h", "*.cpp"}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            file.open(QIODevice::ReadOnly);
            for (const auto& match : literal.globalMatch(QString::fromUtf8(file.readAll())))
                texts += match.captured(1);
        }
    }
    ASSERT_TRUE(texts.contains(QString::fromUtf8(frmAbout::kCmdSysInfoCaption)));
    for (const QFont& drawn : {QGuiApplication::font(), koreanFont(form1::kCanvasFont),
                               koreanFont(frmAbout::kLblTitleFont)}) {
        const QRawFont font = QRawFont::fromFont(drawn);
        ASSERT_TRUE(font.familyName().startsWith(kGameGothic)) << font.familyName().toStdString();
        for (const char32_t character : texts.toUcs4())
            EXPECT_TRUE(font.supportsCharacter(character))
                << (font.familyName() + " lacks " + QString::fromUcs4(&character, 1)).toStdString();
    }
}

} // namespace
} // namespace duomira
