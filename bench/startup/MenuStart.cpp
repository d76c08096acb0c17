// The program's own start, up to the main menu on the screen, and no further: it
// starts as Quorvel does, shows the menu offscreen, waits until the window system has
// it exposed and painted, then prints "shown" and its resident memory in kilobytes
// and ends. bench_app starts it again and again and times it from the outside.

#include "app/uMain.h"
#include "platform/ui/Application.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QWindow>
#include <cstdio>

namespace {

long ResidentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Application::SetTitle(QStringLiteral("Quorvel"));
    TfrmMain frmMain;
    frmMain.show();
    QElapsedTimer waited;
    waited.start();
    while (!(frmMain.windowHandle() && frmMain.windowHandle()->isExposed()) &&
           waited.elapsed() < 5000)
        app.processEvents(QEventLoop::AllEvents, 10);
    // The first paint of the exposed window.
    app.processEvents();
    if (!frmMain.windowHandle() || !frmMain.windowHandle()->isExposed()) {
        std::fprintf(stderr, "menu_start: the menu was never exposed\n");
        return 1;
    }
    std::printf("shown %ld\n", ResidentKilobytes());
    std::fflush(stdout);
    return 0;
}
