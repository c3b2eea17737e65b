#include "MaskedEntryNews.h"

#include "PasswordForm.h"

#include <QAccessible>
#include <QLineEdit>

namespace duomira {

namespace {

QAccessible::UpdateHandler passOn = nullptr;
void maskTypedText(QAccessibleEvent* event);

void deliver(QAccessibleEvent* event) {
    if (passOn != nullptr) {
        passOn(event);
        return;
    }
    // Qt's own delivery runs only while no handler is installed.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(maskTypedText);
}

QString masked(const QString& text) {
    return QString(text.size(), QChar(fmGetPass::kPasswordCharacter));
}

bool isMaskedEntry(QObject* object) {
    const auto* entry = qobject_cast<QLineEdit*>(object);
    return entry != nullptr && entry->echoMode() != QLineEdit::Normal;
}

void maskTypedText(QAccessibleEvent* event) {
    if (!isMaskedEntry(event->object())) {
        deliver(event);
        return;
    }
    switch (event->type()) {
    case QAccessible::TextInserted: {
        const auto* typed = static_cast<QAccessibleTextInsertEvent*>(event);
        QAccessibleTextInsertEvent news(typed->object(), typed->changePosition(),
                                        masked(typed->textInserted()));
        deliver(&news);
        break;
    }
    case QAccessible::TextRemoved: {
        const auto* removed = static_cast<QAccessibleTextRemoveEvent*>(event);
        QAccessibleTextRemoveEvent news(removed->object(), removed->changePosition(),
                                        masked(removed->textRemoved()));
        deliver(&news);
        break;
    }
    case QAccessible::TextUpdated: {
        const auto* updated = static_cast<QAccessibleTextUpdateEvent*>(event);
        QAccessibleTextUpdateEvent news(updated->object(), updated->changePosition(),
                                        masked(updated->textRemoved()),
                                        masked(updated->textInserted()));
        deliver(&news);
        break;
    }
    default:
        deliver(event);
    }
}

} // namespace

void maskTypedTextForScreenReaders() {
    static const bool installed = [] {
        passOn = QAccessible::installUpdateHandler(maskTypedText);
        return true;
    }();
    (void)installed;
}

} // namespace duomira
