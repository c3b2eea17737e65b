#include "ErrorBoxWatch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>

#include <utility>

namespace duomira::soak {

ErrorBoxWatch::ErrorBoxWatch() {
    QCoreApplication::instance()->installEventFilter(this);
}

ErrorBoxWatch::~ErrorBoxWatch() {
    QCoreApplication::instance()->removeEventFilter(this);
}

QStringList ErrorBoxWatch::takeSeen() {
    return std::exchange(seen_, {});
}

bool ErrorBoxWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show || watched->objectName() != QLatin1String("gameErrorBox")) {
        return false;
    }
    const auto* box = qobject_cast<QMessageBox*>(watched);
    seen_ << (box != nullptr ? box->text() : QStringLiteral("(not a message box)"));
    if (auto* dialog = qobject_cast<QDialog*>(watched)) {
        // Its exec() has not started its loop yet: close it from inside that loop.
        QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
    }
    return false;
}

} // namespace duomira::soak
