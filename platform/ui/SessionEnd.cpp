#include "platform/ui/SessionEnd.h"

#include "platform/ui/Application.h"
#include "platform/ui/Form.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace {

// However the windows' closes go (a write held up by another copy's lock, a hung
// disk), the program is gone within a second, as a session expects; the data files
// are replaced whole or not at all, so nothing is left half-written.
constexpr auto kGrace = std::chrono::milliseconds(900);

std::atomic<bool> gEnding{false};
int gWake[2] = {-1, -1};

extern "C" void OnSignal(int number) {
    const int saved = errno;
    const auto byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t written = ::write(gWake[1], &byte, 1);
    errno = saved;
}

void CloseWindows() {
    // The innermost modal window first: a box opened from a game, then the game, then
    // the menu. One that will not close (hidden instead) is passed over.
    for (int guard = 0; guard < 64; ++guard) {
        QWidget* top = QApplication::activeModalWidget();
        if (!top) break;
        top->close();
        if (top->isVisible()) top->hide();
    }
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible()) window->close();
}

// Each open window writes what its close would keep, and stays open. A refused write
// is told on the standard error: a box here would hold up the session manager, which
// waits for the answer, and the close that follows, if the session does end, tries
// again.
void CommitData() {
    if (gEnding.load()) return;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* form = dynamic_cast<TForm*>(window);
        if (!form || !form->isVisible()) continue;
        try {
            form->FormCommitData();
        } catch (const std::exception& error) {
            std::fprintf(stderr, "%s: %s\n", qUtf8Printable(Application::Title()), error.what());
        }
    }
}

} // namespace

namespace SessionEnd {

void Install() {
    if (gWake[0] >= 0) return;
    if (::pipe2(gWake, O_CLOEXEC | O_NONBLOCK) != 0) {
        gWake[0] = gWake[1] = -1;
        return;
    }
    auto* notifier = new QSocketNotifier(gWake[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] {
        unsigned char bytes[16];
        while (::read(gWake[0], bytes, sizeof bytes) > 0) {
        }
        EndSession();
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(number, &action, nullptr);

    QObject::connect(qApp, &QGuiApplication::commitDataRequest, qApp, [] { CommitData(); });
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp, [] { EndSession(); });
}

void EndSession() {
    if (gEnding.exchange(true)) return;
    std::thread([] {
        std::this_thread::sleep_for(kGrace);
        std::_Exit(0);
    }).detach();
    CloseWindows();
    QCoreApplication::exit(0);
}

bool Ending() {
    return gEnding.load();
}

} // namespace SessionEnd
