// duomira_soak: the real main window, offscreen, under SOAK_EVENTS seeded
// player events (SOAK_SEED); see SoakRun for what is checked.
#include "MainWindow.h"
#include "ScriptedRandom.h"
#include "SoakRun.h"
#include "SoakSettings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QStyleFactory>

#include <cstdio>
#include <exception>
#include <stdexcept>

namespace {

// The offscreen platform cannot raise windows and says so each time the
// password command brings its dialog to the front; every other message stays.
QtMessageHandler standardHandler = nullptr;

void quietRaise(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message == QLatin1String("This plugin does not support raise()")) {
        return;
    }
    if (standardHandler != nullptr) {
        standardHandler(type, context, message);
    } else {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    }
}

void report(const QString& line) {
    std::printf("soak: %s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

void reportFailure(const duomira::soak::SoakRun& run, const duomira::soak::SoakSettings& settings,
                   const char* program) {
    report(QStringLiteral("FAILED at event %1 of %2, seed %3")
               .arg(run.played())
               .arg(settings.events)
               .arg(settings.seed));
    for (const QString& failure : run.failures()) {
        report(QStringLiteral("  broken: ") + failure);
    }
    report(QStringLiteral("  the last events:"));
    for (const QString& event : run.trail()) {
        report(QStringLiteral("    ") + event);
    }
    report(QStringLiteral("replay: SOAK_SEED=%1 SOAK_EVENTS=%2 %3")
               .arg(settings.seed)
               .arg(run.played())
               .arg(QString::fromLocal8Bit(program)));
}

int soak(const duomira::soak::SoakSettings& settings, const char* program) {
    duomira::test::SeededRandom deal(settings.seed);
    duomira::MainWindow window(deal);
    window.show();
    duomira::soak::SoakRun run(window, settings.seed);
    QElapsedTimer clock;
    clock.start();
    if (!run.play(settings.events)) {
        reportFailure(run, settings, program);
        return 1;
    }
    report(QStringLiteral("%1 events clean in %2 s, seed %3")
               .arg(run.played())
               .arg(static_cast<double>(clock.elapsed()) / 1000.0, 0, 'f', 1)
               .arg(settings.seed));
    report(run.summary());
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    standardHandler = qInstallMessageHandler(quietRaise);
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    duomira::soak::SoakSettings settings;
    try {
        settings = duomira::soak::readSettings();
    } catch (const std::invalid_argument& error) {
        report(QString::fromUtf8(error.what()));
        return 2;
    }
    report(QStringLiteral("seed %1, %2 events").arg(settings.seed).arg(settings.events));
    try {
        return soak(settings, argv[0]);
    } catch (const std::exception& error) {
        report(QStringLiteral("stopped by %1 (seed %2)")
                   .arg(QString::fromUtf8(error.what()))
                   .arg(settings.seed));
        return 1;
    }
}
