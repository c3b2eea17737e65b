#include "KoreanFonts.h"

#include "ClassicScheme.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QResource>
#include <QStringList>

namespace duomira {

namespace {

// The game's own fonts, stored uncompressed among the program's resources:
// Qt reads them where the program file holds them, without a copy. One that
// does not register is a broken build.
void registerGameFonts() {
    const QString folder = QStringLiteral(":/fonts/");
    const QStringList files = QDir(folder).entryList(QDir::Files);
    if (files.isEmpty())
        qFatal("The program carries no fonts in %s", qPrintable(folder));
    for (const QString& file : files) {
        const QByteArray font = QResource(folder + file).uncompressedData();
        if (QFontDatabase::addApplicationFontFromData(font) < 0)
            qFatal("The font %s does not register", qPrintable(folder + file));
    }
}

// Only the installed families of the face's list: Qt would otherwise have
// fontconfig sort every font on the system for each face that is missing.
QStringList familyList(KoreanFace face) {
    static const QStringList installed = QFontDatabase::families();
    QStringList families;
    for (const char* family : familiesOf(face)) {
        const QString name = QString::fromUtf8(family);
        if (installed.contains(name, Qt::CaseInsensitive))
            families << name;
    }
    return families;
}

// The game keeps to its own fonts and sizes, which its layout was drawn for:
// a platform theme that sets fonts (qt6ct, as KDE-style setups use) would
// set them again once the program runs, unless told the program keeps its
// own. The toolkit's own font is the game's as well (useGameLook).
void setUpGameFonts() {
    QGuiApplication::setDesktopSettingsAware(false);
    registerGameFonts();
}

} // namespace

// Before the first window: as the application object is made. (cppcheck's
// Qt library does not know the macro.)
// cppcheck-suppress unknownMacro
Q_COREAPP_STARTUP_FUNCTION(setUpGameFonts)

QFont koreanFont(const FontStyle& style) {
    QFont font;
    font.setFamilies(familyList(style.face));
    font.setPointSizeF(style.points);
    font.setWeight(static_cast<QFont::Weight>(style.weight));
    font.setStyleHint(isFixedPitch(style.face) ? QFont::Monospace : QFont::SansSerif);
    return font;
}

} // namespace duomira
