#include "app/PadKeys.h"
#include "app/uMain.h"
#include "platform/sound/Sound.h"
#include "platform/ui/Application.h"
#include "platform/ui/Language.h"
#include "platform/ui/SessionEnd.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QLibraryInfo>
#include <QList>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Qt tells a display it cannot open with a page of plugin names and an abort. Until
// the application object stands, its messages are held back: a fatal one becomes one
// plain sentence and status 1, the others go out as usual once the start is over.
struct THeldMessage {
    QtMsgType Type;
    QByteArray File, Function, Category;
    int Line;
    QString Text;
};

// The program's texts for the terminal, in the language found.
QString Tr(const char* text) {
    return Language::Translate("Main", text);
}

// False when the text could not be written.
bool Say(FILE* stream, const QString& text) {
    return std::fputs(text.toLocal8Bit().constData(), stream) >= 0 && std::fflush(stream) == 0;
}

QtMessageHandler gPrevious = nullptr;
QList<THeldMessage> gHeld;
QByteArray gCommand;

// Whether Qt's Wayland platform plugin lies in one of the folders Qt loads plugins from.
bool WaylandPluginFound() {
    QStringList folders{QLibraryInfo::path(QLibraryInfo::PluginsPath)};
    folders += qEnvironmentVariable("QT_PLUGIN_PATH").split(u':', Qt::SkipEmptyParts);
    for (QString& folder : folders)
        folder += QStringLiteral("/platforms");
    folders += qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH");
    for (const QString& folder : std::as_const(folders))
        if (!QDir(folder).entryList({QStringLiteral("libqwayland*")}, QDir::Files).isEmpty())
            return true;
    return false;
}

void HoldStartMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        gHeld.append({type, context.file, context.function, context.category, context.line, text});
        return;
    }
    const QByteArray display = qgetenv("DISPLAY");
    // A Wayland desktop with no X server beside it: only Qt's plugin can open a window.
    if (display.isEmpty() &&
        (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
         qgetenv("XDG_SESSION_TYPE") == "wayland") &&
        !WaylandPluginFound()) {
        Say(stderr, Tr(QT_TRANSLATE_NOOP("Main", "Quorvel needs Qt's Wayland plugin on this "
                                                 "Wayland desktop, which has no X server: "
                                                 "install the package qt6-wayland\n")));
        std::_Exit(1);
    }
    const QString command = QString::fromLocal8Bit(gCommand);
    QString why;
    if (display.isEmpty() && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        why = Tr(QT_TRANSLATE_NOOP("Main", "Quorvel needs a graphical display, and none is set: "
                                           "start it on a desktop, or under a virtual display "
                                           "with xvfb-run -a %1\n"))
                  .arg(command);
    else if (display.isEmpty())
        why = Tr(QT_TRANSLATE_NOOP("Main",
                                   "Quorvel needs a graphical display, and the one set cannot "
                                   "be opened: start it on a desktop, or under a virtual "
                                   "display with xvfb-run -a %1\n"))
                  .arg(command);
    else
        why =
            Tr(QT_TRANSLATE_NOOP("Main", "Quorvel needs a graphical display, and DISPLAY=%1 cannot "
                                         "be opened: start it on a desktop, or under a virtual "
                                         "display with xvfb-run -a %2\n"))
                .arg(QString::fromLocal8Bit(display), command);
    Say(stderr, why);
    std::_Exit(1);
}

void ReleaseStartMessages() {
    qInstallMessageHandler(gPrevious);
    for (const THeldMessage& held : std::as_const(gHeld)) {
        const QMessageLogContext context(held.File.constData(), held.Line,
                                         held.Function.constData(), held.Category.constData());
        gPrevious(held.Type, context, held.Text);
    }
    gHeld.clear();
}

// Once the menu is on the screen, and not before, the sound channel sets out to
// connect to the sound server, so that the first click is as quick as the later ones,
// and the game pads' reader opens SDL.
class TSoundOnceShown : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && watched->isWindowType() &&
            static_cast<QWindow*>(watched)->isExposed()) {
            // The filter watches the whole application: once is enough.
            QCoreApplication::instance()->removeEventFilter(this);
            // After the window has drawn itself in answer to this very event.
            QTimer::singleShot(0, this, [] {
                Sound::Prepare();
                StartGamePads();
            });
        }
        return false;
    }
};

// --help and --version are answered before anything of Qt starts, so they need no
// display; the first of them decides. Returns -1 when neither was given, else the
// exit status: 1 when the answer could not be written.
int AnswerOption(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        QString text;
        if (std::strcmp(argv[i], "--version") == 0)
            text = QStringLiteral("Quorvel " QUORVEL_VERSION "\n");
        else if (std::strcmp(argv[i], "--help") == 0)
            text = Tr(QT_TRANSLATE_NOOP(
                "Main", "Usage: quorvel [--help | --version]\n"
                        "Two falling-block puzzle games, Shapes and Blocks, started from one "
                        "menu.\n"
                        "Opens its window on the graphical display; other arguments are ignored.\n"
                        "\n"
                        "  --help     print this help and exit\n"
                        "  --version  print the version and exit\n"));
        else
            continue;
        if (!Say(stdout, text)) {
            Say(stderr, Tr(QT_TRANSLATE_NOOP("Main", "Quorvel: cannot write to the standard "
                                                     "output\n")));
            return 1;
        }
        return 0;
    }
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    Language::Load();
    if (const int status = AnswerOption(argc, argv); status >= 0) return status;
    // A platform the user chose (offscreen, vnc, ...) is left to say what it says.
    const bool platformChosen = !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    if (!platformChosen) {
        gCommand = argc > 0 ? QByteArray(argv[0]) : QByteArray("quorvel");
        gPrevious = qInstallMessageHandler(HoldStartMessage);
    }
    QApplication app(argc, argv);
    if (!platformChosen) ReleaseStartMessages();
    Language::Install();
    Application::SetTitle(QStringLiteral("Quorvel"));
    Application::LimitPixmapCache();
    SessionEnd::Install();
    TfrmMain frmMain;
    // The menu is the program: when it closes, by its exit button or by the window
    // system, the event loop ends.
    QObject::connect(&frmMain, &QDialog::finished, &app, &QCoreApplication::quit);
    TSoundOnceShown sound;
    app.installEventFilter(&sound);
    frmMain.show();
    return app.exec();
}
