#include "game/uGame.h"
#include "platform/files/AppPath.h"
#include "platform/ui/Dialogs.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// One game-timer tick of a running Shapes window: a step of the board and the
// progress bar, without the beep. A game that ends is replaced by a new window.
void BM_ShapesWindowTick(benchmark::State& state) {
    QTemporaryDir folder;
    SetExeFileNameForTests(folder.path() + "/Quorvel");
    QFile options(folder.path() + "/Quorvel.cfg");
    options.open(QIODevice::WriteOnly);
    options.write("[OptionsShapes]\r\nBeepOnDrop=0\r\nUseSound=0\r\n");
    options.close();
    // The missing picture's report and the high-score table are answered at once.
    SetDialogResponder([](const TDialogRequest&) { return TDialogAnswer{}; });
    SetModalResponder([](TForm&) { return static_cast<int>(QDialog::Accepted); });

    auto open = [] {
        auto window = std::make_unique<TfrmGame>();
        QChar p('p');
        window->FormKeyPress(p);
        return window;
    };
    auto window = open();
    for (auto _ : state) {
        window->tmrGameTimerTimer();
        if (window->Closed()) {
            state.PauseTiming();
            window = open();
            state.ResumeTiming();
        }
    }
    SetModalResponder(nullptr);
    SetDialogResponder(nullptr);
    SetExeFileNameForTests(QString());
}
BENCHMARK(BM_ShapesWindowTick)->Unit(benchmark::kMicrosecond);

} // namespace
