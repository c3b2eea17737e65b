#include "GameStyle.h"

#include "ClassicScheme.h"
#include "KoreanFonts.h"
#include "QtTwips.h"

#include <QApplication>

#include <utility>

namespace duomira {

namespace {

// Every role, so that nothing of the desktop's theme shows through.
QPalette classicPalette() {
    using namespace classic;
    QPalette palette(toQColor(kButtonFace));
    for (const auto& [role, colour] : {
             std::pair{QPalette::Window, kButtonFace},
             {QPalette::WindowText, kText},
             {QPalette::Base, kWindow},
             {QPalette::AlternateBase, kButtonFace},
             {QPalette::ToolTipBase, kInfoWindow},
             {QPalette::ToolTipText, kText},
             {QPalette::PlaceholderText, kGrayText},
             {QPalette::Text, kText},
             {QPalette::Button, kButtonFace},
             {QPalette::ButtonText, kText},
             {QPalette::BrightText, kButtonHighlight},
             {QPalette::Light, kButtonHighlight},
             {QPalette::Midlight, kButtonLight},
             {QPalette::Mid, kButtonShadow},
             {QPalette::Dark, kButtonShadow},
             {QPalette::Shadow, kButtonDarkShadow},
             {QPalette::Highlight, kHighlight},
             {QPalette::HighlightedText, kHighlightText},
             {QPalette::Link, kHotLight},
             {QPalette::LinkVisited, kHighlight},
         }) {
        palette.setColor(role, toQColor(colour));
    }
    // Disabled text is grey, etched with white as the classic scheme draws it.
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, toQColor(kGrayText));
    return palette;
}

} // namespace

GameStyle::GameStyle() : QProxyStyle(QStringLiteral("Windows")) {}

QIcon GameStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                              const QWidget* widget) const {
    if (which == SP_ToolBarHorizontalExtensionButton) {
        return {};
    }
    return QProxyStyle::standardIcon(which, option, widget);
}

void useGameLook() {
    QApplication::setStyle(new GameStyle);
    QApplication::setPalette(classicPalette());
    // The toolkit's own font (menus, the status title, About's description,
    // buttons and message boxes) is fixed as well. A platform theme may name
    // a font for each kind of widget (qt6ct names its one font for all);
    // setting the game's font for all clears them.
    QApplication::setFont(koreanFont(kToolkitFont));
}

} // namespace duomira
