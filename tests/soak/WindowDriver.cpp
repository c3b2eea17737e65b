#include "WindowDriver.h"

#include "AboutDialog.h"
#include "MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <stdexcept>

namespace duomira::soak {

namespace {
QAction* menuItem(MainWindow& window, int title, int item, const QString& caption) {
    const QList<QAction*> titles = window.menuBar()->actions();
    QAction* found = nullptr;
    if (title < titles.size() && titles[title]->menu() != nullptr) {
        const QList<QAction*> items = titles[title]->menu()->actions();
        found = item < items.size() ? items[item] : nullptr;
    }
    if (found == nullptr || found->text() != caption) {
        throw std::runtime_error("menu item \"" + caption.toStdString() + "\" is not in place");
    }
    return found;
}
} // namespace

WindowDriver::WindowDriver(MainWindow& window)
    : window_(window), gate_(closeTimerOf(window)),
      about_(menuItem(window, 0, 0, QStringLiteral("대하여..(&A)"))),
      restart_(menuItem(window, 1, 0, QStringLiteral("다시 시작(&S)"))),
      password_(menuItem(window, 1, 2, QStringLiteral("패스워드(&O)..."))) {}

QTimer& WindowDriver::closeTimerOf(MainWindow& window) {
    auto* timer = window.findChild<QTimer*>(QStringLiteral("tClose"));
    if (timer == nullptr) {
        throw std::runtime_error("the window has no close timer named tClose");
    }
    return *timer;
}

void WindowDriver::click(int card) {
    QTest::mouseClick(window_.card(card), Qt::LeftButton);
}

void WindowDriver::doubleClick(int card) {
    QWidget* slot = window_.card(card);
    QTest::mousePress(slot, Qt::LeftButton);
    QTest::mouseRelease(slot, Qt::LeftButton);
    QTest::mouseDClick(slot, Qt::LeftButton);
    QTest::mouseRelease(slot, Qt::LeftButton);
}

void WindowDriver::restart() {
    restart_->trigger();
}

void WindowDriver::passwordCommand() {
    password_->trigger();
}

void WindowDriver::answerPassword(const QString& typed) {
    PasswordDialog* dialog = window_.passwordDialog();
    QTest::keyClicks(dialog->entry(), typed);
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
}

void WindowDriver::closePasswordBox() {
    window_.passwordDialog()->close();
}

bool WindowDriver::about(const std::function<void()>& whileOpen) {
    bool cameUp = false;
    // Queued, not timed: it runs in the first turn of the dialog's own loop.
    QMetaObject::invokeMethod(
        qApp,
        [&cameUp, &whileOpen] {
            auto* dialog = qobject_cast<AboutDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return;
            }
            cameUp = true;
            whileOpen();
            dialog->reject();
        },
        Qt::QueuedConnection);
    about_->trigger();
    if (!cameUp) {
        settle(); // runs the queued call now, so it cannot fire in a later loop
    }
    return cameUp;
}

void WindowDriver::settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace duomira::soak
