#include "ScreenReaderNews.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace duomira {

namespace {

QAccessibleInterface* accessibleStatusNews(const QString& className, QObject* object) {
    if (className == QLatin1String(StatusNews::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

void announceFocusedCard(QWidget& card) {
    if (!QAccessible::isActive() || !card.hasFocus())
        return;
    // Forgetting the card's accessible object gives it a new identity on the
    // bus the next time it is asked for, as the focus event below does.
    if (QAccessibleInterface* known = QAccessible::queryAccessibleInterface(&card))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(known));
    QAccessibleEvent focus(&card, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

StatusNews::StatusNews(QWidget* parent) : QWidget(parent) {
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(accessibleStatusNews);
        return true;
    }();
    (void)accessibleInstalled;
    hide();
}

// A notification that shows is read out with its name.
void StatusNews::tell(const QString& text) {
    setAccessibleName(text);
    if (!QAccessible::isActive() || text.isEmpty())
        return;
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace duomira
