#include "GameStyle.h"

namespace duomira {

GameStyle::GameStyle() : QProxyStyle(QStringLiteral("Windows")) {}

QIcon GameStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                              const QWidget* widget) const {
    if (which == SP_ToolBarHorizontalExtensionButton) {
        return {};
    }
    return QProxyStyle::standardIcon(which, option, widget);
}

} // namespace duomira
