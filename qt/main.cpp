#include "FramedWindows.h"
#include "GameStyle.h"
#include "MainWindow.h"
#include "RandomSource.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// The game starts no program and makes no folder, whatever the session
// names or leaves out. Without a session bus address libdbus would start a
// bus daemon (dbus-launch --autolaunch) for Qt's accessibility bridge, so the
// bus of the login session is named, or none where the session has no
// runtime folder. Qt looks in that folder for a Flatpak sandbox and, where it
// is missing, makes one in the temporary folder: the game keeps no temporary
// files, so it names a temporary folder that cannot hold any.
void keepToTheSession() {
    if (!QFileInfo(qEnvironmentVariable("XDG_RUNTIME_DIR")).isDir())
        qunsetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", "/dev/null");
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS")) {
        qputenv("DBUS_SESSION_BUS_ADDRESS",
                runtime.isEmpty() ? QByteArray("disabled:") : "unix:path=" + runtime + "/bus");
    }
    // The sound server likewise: the session's, named, so that the sound
    // library never starts one when none runs (the pair then rings the X bell).
    if (!qEnvironmentVariableIsSet("PULSE_SERVER") && !runtime.isEmpty())
        qputenv("PULSE_SERVER", "unix:" + runtime + "/pulse/native");
}

// Where the session names no runtime folder, keepToTheSession leaves Qt none
// that it could make, on purpose, and Qt then says on every start, as if it
// were an error, that it made none. Just those lines are dropped; whatever
// else Qt says goes on to its own handler.
QtMessageHandler qtHandler = nullptr;

void withoutRuntimeFolderNotes(QtMsgType type, const QMessageLogContext& context,
                               const QString& message) {
    if (message.startsWith(QLatin1String("QStandardPaths: ")) &&
        message.contains(QLatin1String("'/dev/null/runtime-")))
        return;
    if (qtHandler != nullptr)
        qtHandler(type, context, message);
}

} // namespace

int main(int argc, char* argv[]) {
    keepToTheSession();
    duomira::preferFramedWindows();
    qtHandler = qInstallMessageHandler(withoutRuntimeFolderNotes);
    // The game reads no command line: Qt sees the program name alone, so its
    // own options (-style, -reverse, -qwindowtitle...) change nothing either.
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication app(qtArgc, argv);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(DUOMIRA_APP_ID));
    duomira::useGameLook();

    // Qt's own buttons and menus speak Korean too, where the translation exists.
    QTranslator qtKorean;
    if (qtKorean.load(QLocale(QLocale::Korean), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtKorean);
    }

    duomira::ClockRandomSource random;
    duomira::MainWindow window(random);
    window.show();
    return QApplication::exec();
}
