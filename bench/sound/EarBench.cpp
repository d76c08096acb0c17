// The time to the ear: from asking for the click to its first sample coming out of a
// private PulseAudio server, whose pipe sink plays on the system clock into a FIFO
// that is read as it is written. The floor is a client that is already connected
// with a small buffer, pacat --latency-msec=5, handed the same samples. Goals: every
// play within the floor + 15 ms, and the first play after the start within 20 ms of
// the later ones.
#include "bench/BenchGoals.h"
#include "platform/sound/Sound.h"
#include "platform/sound/WavePlayer.h"
#include "tests/common/SoundServer.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cstdio>

namespace {

using TClock = TSoundServer::TClock;

// Louder than any noise of an idle sink; the click passes it within its first
// milliseconds, at the same sample for every client.
constexpr int kLevel = 500;

constexpr int kPlays = 10;

struct TEar {
    std::unique_ptr<TSoundServer> Server;
    QString Why;
    QString Click;
    QByteArray ClickSamples;
    std::vector<double> Floor, Later;
    double First = 0;
};

TEar& Ear() {
    static TEar ear = [] {
        TEar e;
        e.Click = QCoreApplication::applicationDirPath() + "/Click.wav";
        QFile file(e.Click);
        if (!file.open(QIODevice::ReadOnly)) {
            e.Why = "no Click.wav beside the benchmark";
            return e;
        }
        const QByteArray wave = file.readAll();
        e.ClickSamples = wave.mid(wave.indexOf("data") + 8);
        e.Server = std::make_unique<TSoundServer>(44100, 8);
        e.Why = e.Server->Start();
        if (e.Why.isEmpty())
            qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(e.Server->Socket()));
        return e;
    }();
    return ear;
}

// Milliseconds from asked to the first loud sample after sample from, or a negative
// number when none came within two seconds.
double ToTheEar(qsizetype from, TClock::time_point asked) {
    const auto giveUp = asked + std::chrono::seconds(2);
    while (TClock::now() < giveUp) {
        if (const auto heard = Ear().Server->FirstLouderThan(from, kLevel))
            return std::chrono::duration<double, std::milli>(*heard - asked).count();
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return -1;
}

// Plays the player's sound and gives its time to the ear, as ToTheEar.
double PlayToTheEar(TWavePlayer& player) {
    const qsizetype from = Ear().Server->Samples();
    const TClock::time_point asked = TClock::now();
    player.Play();
    return ToTheEar(from, asked);
}

// Lets the click end and the sink go quiet before the next.
void Rest() {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

bool Ready(benchmark::State& state) {
    if (Ear().Why.isEmpty()) return true;
    state.SkipWithError(("no private sound server: " + Ear().Why).toStdString().c_str());
    return false;
}

void BM_EarFloorPacat(benchmark::State& state) {
    if (!Ready(state)) return;
    QProcess pacat;
    pacat.setProcessEnvironment([] {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("PULSE_SERVER", "unix:" + Ear().Server->Socket());
        return env;
    }());
    pacat.start("pacat", {"--playback", "--raw", "--format=s16le", "--channels=1",
                          QString("--rate=%1").arg(TSoundServer::kRate), "--latency-msec=5"});
    if (!pacat.waitForStarted(5000)) {
        state.SkipWithError("pacat does not start");
        return;
    }
    std::this_thread::sleep_for(std::chrono::seconds(1));
    for (auto _ : state) {
        const qsizetype from = Ear().Server->Samples();
        const TClock::time_point asked = TClock::now();
        pacat.write(Ear().ClickSamples);
        pacat.waitForBytesWritten(1000);
        const double ms = ToTheEar(from, asked);
        if (ms < 0) return state.SkipWithError("pacat's click never came out");
        Ear().Floor.push_back(ms);
        state.SetIterationTime(ms / 1000);
        Rest();
    }
    pacat.closeWriteChannel();
    pacat.waitForFinished(3000);
}
BENCHMARK(BM_EarFloorPacat)->UseManualTime()->Iterations(kPlays)->Unit(benchmark::kMillisecond);

// A player that starts a new client for every sound, as a reference.
void BM_EarPaplay(benchmark::State& state) {
    if (!Ready(state)) return;
    for (auto _ : state) {
        QProcess paplay;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("PULSE_SERVER", "unix:" + Ear().Server->Socket());
        paplay.setProcessEnvironment(env);
        const qsizetype from = Ear().Server->Samples();
        const TClock::time_point asked = TClock::now();
        paplay.start("paplay", {Ear().Click});
        const double ms = ToTheEar(from, asked);
        paplay.waitForFinished(3000);
        if (ms < 0) return state.SkipWithError("paplay's click never came out");
        state.SetIterationTime(ms / 1000);
        Rest();
    }
}
BENCHMARK(BM_EarPaplay)->UseManualTime()->Iterations(kPlays)->Unit(benchmark::kMillisecond);

// A click right after the start, with the menu on the screen for as long as a quick
// player takes to click.
void BM_EarFirstClick(benchmark::State& state) {
    if (!Ready(state)) return;
    TWavePlayer player;
    player.SetAsynchronous(true);
    player.SetFileName(Ear().Click);
    for (auto _ : state) {
        Sound::Prepare();
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
        Ear().First = PlayToTheEar(player);
        if (Ear().First < 0) return state.SkipWithError("the first click never came out");
        state.SetIterationTime(Ear().First / 1000);
        bench::Goal(state, (Median(Ear().Floor) + 15 + 20) * 1000);
        Rest();
    }
}
BENCHMARK(BM_EarFirstClick)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_EarLaterClicks(benchmark::State& state) {
    if (!Ready(state)) return;
    TWavePlayer player;
    player.SetAsynchronous(true);
    player.SetFileName(Ear().Click);
    for (auto _ : state) {
        const double ms = PlayToTheEar(player);
        if (ms < 0) return state.SkipWithError("a click never came out");
        Ear().Later.push_back(ms);
        state.SetIterationTime(ms / 1000);
        Rest();
    }
    const double floor = Median(Ear().Floor), later = Median(Ear().Later);
    bench::Goal(state, (floor + 15) * 1000);
    std::printf("time to the ear, medians of %d: floor (pacat) %.1f ms, first click %.1f ms, "
                "later clicks %.1f ms; later within floor + 15: %s, first within later + 20: "
                "%s\n",
                kPlays, floor, Ear().First, later, later <= floor + 15 ? "met" : "MISSED",
                Ear().First <= later + 20 ? "met" : "MISSED");
}
BENCHMARK(BM_EarLaterClicks)->UseManualTime()->Iterations(kPlays)->Unit(benchmark::kMillisecond);

} // namespace
