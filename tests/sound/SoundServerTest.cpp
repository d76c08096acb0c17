#include "platform/Sound.h"
#include "platform/WavePlayer.h"
#include "tests/common/TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <map>
#include <memory>
#include <mutex>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// The program's sounds are 22050 Hz mono 16-bit; the sink takes them as they are, so
// what it writes can be compared with the files sample by sample.
constexpr int kRate = 22050;

// A PulseAudio server of the test's own: its sink writes every sample it plays to a
// FIFO, which a thread drains into memory while the server runs. Nothing of the
// machine's own sound set-up is read: home, runtime and configuration folders are
// private.
class TSoundServer {
public:
    ~TSoundServer() { Shut(); }

    // Gives an empty text once the server takes clients, or why it could not start.
    QString Start() {
        if (!FDir.isValid()) return "no temporary folder";
        const QString program = QStandardPaths::findExecutable("pulseaudio");
        if (program.isEmpty()) return "pulseaudio is not installed";
        const QString root = FDir.path();
        for (const char* sub : {"home", "run", "config/pulse", "state"})
            QDir().mkpath(root + "/" + sub);
        QFile::setPermissions(root + "/run", QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ExeOwner);
        // An empty daemon configuration of its own, so no system default applies.
        QFile(root + "/config/pulse/daemon.conf").open(QIODevice::WriteOnly);
        const QString fifo = root + "/sink.fifo";
        if (mkfifo(QFile::encodeName(fifo).constData(), 0600) != 0) return "no FIFO";
        FFifo = open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (FFifo < 0) return "the FIFO does not open";
        FReader = std::thread([this] { Drain(); });

        Socket = root + "/native";
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name :
             {"PULSE_SERVER", "PULSE_SINK", "PULSE_COOKIE", "DISPLAY", "DBUS_SESSION_BUS_ADDRESS"})
            env.remove(name);
        env.insert("HOME", root + "/home");
        env.insert("XDG_RUNTIME_DIR", root + "/run");
        env.insert("XDG_CONFIG_HOME", root + "/config");
        env.insert("XDG_STATE_HOME", root + "/state");
        env.insert("PULSE_RUNTIME_PATH", root + "/run");
        env.insert("PULSE_STATE_PATH", root + "/state");
        FServer.setProcessEnvironment(env);
        FServer.setStandardOutputFile(root + "/server.log");
        FServer.setStandardErrorFile(root + "/server.log");
        // A test that dies does not leave its server running.
        FServer.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
        FServer.start(program,
                      {"-n", "--daemonize=no", "--system=no", "--exit-idle-time=-1",
                       "--disallow-exit", "--use-pid-file=no", "--realtime=no",
                       "--high-priority=no", "--log-target=stderr",
                       QString("-Lmodule-pipe-sink file=%1 format=s16le rate=%2 channels=1 "
                               "use_system_clock_for_timing=yes")
                           .arg(fifo)
                           .arg(kRate),
                       "-Lmodule-native-protocol-unix socket=" + Socket + " auth-anonymous=1"});
        if (!FServer.waitForStarted(5000)) return "pulseaudio does not start";
        QElapsedTimer waited;
        waited.start();
        // Up once the socket is there and the sink writes (silence, when idle).
        while (!QFileInfo::exists(Socket) || Samples() == 0) {
            if (FServer.state() != QProcess::Running || waited.elapsed() > 10000) {
                QFile log(root + "/server.log");
                log.open(QIODevice::ReadOnly);
                const QList<QByteArray> lines = log.readAll().trimmed().split('\n');
                return "pulseaudio did not come up: " + QString::fromLocal8Bit(lines.last());
            }
            QThread::msleep(20);
        }
        return {};
    }

    qsizetype Samples() const {
        std::lock_guard lock(FMutex);
        return qsizetype(FSamples.size());
    }

    // What the sink wrote from sample from to now.
    std::vector<qint16> Since(qsizetype from) const {
        std::lock_guard lock(FMutex);
        from = std::clamp<qsizetype>(from, 0, qsizetype(FSamples.size()));
        return {FSamples.begin() + from, FSamples.end()};
    }

    QString Socket;

private:
    void Drain() {
        char buffer[8192];
        int kept = 0;
        while (!FStop) {
            pollfd fd{FFifo, POLLIN, 0};
            if (poll(&fd, 1, 50) <= 0) continue;
            const ssize_t got = read(FFifo, buffer + kept, sizeof buffer - kept);
            if (got <= 0) {
                if (got == 0) QThread::msleep(10); // no writer yet
                continue;
            }
            const int bytes = kept + int(got);
            std::lock_guard lock(FMutex);
            for (int i = 0; i + 1 < bytes; i += 2)
                FSamples.push_back(qFromLittleEndian<qint16>(buffer + i));
            kept = bytes & 1;
            if (kept) buffer[0] = buffer[bytes - 1];
        }
    }

    void Shut() {
        if (FServer.state() != QProcess::NotRunning) {
            FServer.terminate();
            if (!FServer.waitForFinished(3000)) {
                FServer.kill();
                FServer.waitForFinished(3000);
            }
        }
        FStop = true;
        if (FReader.joinable()) FReader.join();
        if (FFifo >= 0) close(FFifo);
    }

    QTemporaryDir FDir;
    QProcess FServer;
    int FFifo = -1;
    std::thread FReader;
    std::atomic<bool> FStop{false};
    mutable std::mutex FMutex;
    std::vector<qint16> FSamples;
};

// The samples of one of the program's waves.
std::vector<qint16> SamplesOf(const QByteArray& wave) {
    std::vector<qint16> samples;
    const qsizetype data = wave.indexOf("data");
    // PCM, mono, 22050 Hz, 44100 bytes a second, 2 bytes a sample, 16 bits.
    if (data < 0 || wave.mid(20, 16) != QByteArray::fromHex("010001002256000044ac000002001000"))
        return samples;
    const qsizetype size = qFromLittleEndian<quint32>(wave.constData() + data + 4);
    for (qsizetype i = data + 8; i + 1 < std::min(wave.size(), data + 8 + size); i += 2)
        samples.push_back(qFromLittleEndian<qint16>(wave.constData() + i));
    return samples;
}

double Dot(const std::vector<qint16>& a, qsizetype from, const std::vector<qint16>& b) {
    double sum = 0;
    for (size_t i = 0; i < b.size() && from + qsizetype(i) < qsizetype(a.size()); ++i)
        if (from + qsizetype(i) >= 0) sum += double(a[from + i]) * b[i];
    return sum;
}

// How much of the sound's energy is in the recording, where it lines up best: the
// recording projected onto the sound, 1 when every sample arrived as it is. The
// place is found coarsely on the energy of blocks, then to the sample.
double Arrived(const std::vector<qint16>& recording, const std::vector<qint16>& sound) {
    constexpr qsizetype kBlock = 64;
    const auto envelope = [](const std::vector<qint16>& s) {
        std::vector<double> e((s.size() + kBlock - 1) / kBlock);
        for (size_t i = 0; i < s.size(); ++i)
            e[i / kBlock] += double(s[i]) * s[i];
        return e;
    };
    const std::vector<double> rec = envelope(recording);
    const std::vector<double> own = envelope(sound);
    qsizetype best = 0;
    double bestScore = -1;
    for (qsizetype k = 0; k < qsizetype(rec.size()); ++k) {
        double score = 0;
        for (qsizetype j = 0; j < qsizetype(own.size()) && k + j < qsizetype(rec.size()); ++j)
            score += rec[k + j] * own[j];
        if (score > bestScore) bestScore = score, best = k;
    }
    double bestDot = 0;
    for (qsizetype at = (best - 2) * kBlock; at <= (best + 2) * kBlock; ++at)
        bestDot = std::max(bestDot, Dot(recording, at, sound));
    return bestDot / Dot(sound, 0, sound);
}

// Runs the program's events until done gives true or the time is up.
template <class Fn> bool RunUntil(Fn&& done, int ms) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return true;
}

void RunFor(int ms) {
    RunUntil([] { return false; }, ms);
}

class SoundServerTest : public TestFolder {
protected:
    static void SetUpTestSuite() {
        Server = std::make_unique<TSoundServer>();
        Why = Server->Start();
        // The sound layer reads it when it first talks to a server.
        if (Why.isEmpty()) qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(Server->Socket));
    }
    static void TearDownTestSuite() {
        Sound::Stop();
        Server.reset();
    }

    void SetUp() override {
        TestFolder::SetUp();
        if (!Why.isEmpty()) GTEST_SKIP() << "no private sound server: " << Why.toStdString();
        for (const char* name : {"Click.wav", "Line Done.wav", "Game Over.wav"}) {
            CopyAsset(name);
            Waves[name] = SamplesOf(ReadBytes(name));
            ASSERT_FALSE(Waves[name].empty()) << name << " is no 22050 Hz mono 16-bit wave";
        }
    }

    // Lets the sink write what the server has played so far: half a second more of
    // its output, counted in samples, so a reader that lags behind still sees it.
    static void LetTheSinkCatchUp() {
        const qsizetype now = Server->Samples();
        RunUntil([now] { return Server->Samples() >= now + kRate / 2; }, 5000);
    }

    static inline std::unique_ptr<TSoundServer> Server;
    static inline QString Why;
    std::map<QString, std::vector<qint16>> Waves;
};

} // namespace

TEST_F(SoundServerTest, EveryPlayOfEverySoundArrivesWhole) {
    TWavePlayer player;
    player.SetAsynchronous(true);
    for (const char* name : {"Click.wav", "Line Done.wav", "Game Over.wav"}) {
        player.SetFileName(PathOf(name));
        const qint64 lengthMs = qint64(Waves[name].size()) * 1000 / kRate;
        for (int play = 1; play <= 3; ++play) {
            const qsizetype from = Server->Samples();
            ASSERT_TRUE(player.Play()) << name;
            // Play came back while the sound plays.
            EXPECT_EQ(Sound::PlayingCount(), 1);
            // A sound that has ended is no longer counted as playing.
            EXPECT_TRUE(RunUntil([] { return Sound::PlayingCount() == 0; }, lengthMs + 3000))
                << name << " play " << play << " never ended";
            LetTheSinkCatchUp();
            const double arrived = Arrived(Server->Since(from), Waves[name]);
            std::printf("%s play %d: %.1f%% of its energy arrived\n", name, play, arrived * 100);
            EXPECT_GE(arrived, 0.95) << name << " play " << play;
        }
    }

    // A synchronous sound has ended, whole, when Play returns.
    player.SetAsynchronous(false);
    player.SetFileName(PathOf("Click.wav"));
    const qsizetype from = Server->Samples();
    ASSERT_TRUE(player.Play());
    EXPECT_EQ(Sound::PlayingCount(), 0);
    LetTheSinkCatchUp();
    EXPECT_GE(Arrived(Server->Since(from), Waves["Click.wav"]), 0.95);
}

TEST_F(SoundServerTest, ANewSoundCutsTheOnePlayingAndAGonePlayerTakesItsSoundWithIt) {
    TWavePlayer player;
    player.SetAsynchronous(true);
    player.SetFileName(PathOf("Game Over.wav"));
    const qsizetype cutFrom = Server->Samples();
    ASSERT_TRUE(player.Play());
    RunFor(300);
    const qsizetype clickFrom = Server->Samples();
    player.SetFileName(PathOf("Click.wav"));
    ASSERT_TRUE(player.Play());
    ASSERT_TRUE(RunUntil([] { return Sound::PlayingCount() == 0; }, 3000));
    LetTheSinkCatchUp();
    const double cut = Arrived(Server->Since(cutFrom), Waves["Game Over.wav"]);
    std::printf("Game Over.wav, cut by a click after 300 ms: %.1f%% arrived\n", cut * 100);
    EXPECT_LT(cut, 0.6) << "the click did not cut the sound before it";
    EXPECT_GE(Arrived(Server->Since(clickFrom), Waves["Click.wav"]), 0.95);

    auto owner = std::make_unique<QObject>();
    auto* owned = new TWavePlayer(owner.get());
    owned->SetAsynchronous(true);
    owned->SetFileName(PathOf("Game Over.wav"));
    const qsizetype goneFrom = Server->Samples();
    ASSERT_TRUE(owned->Play());
    RunFor(300);
    owner.reset();
    EXPECT_EQ(Sound::PlayingCount(), 0);
    // Long enough for the whole sound to have come out, had it gone on.
    const qsizetype whole = qsizetype(Waves["Game Over.wav"].size()) + kRate;
    RunUntil([goneFrom, whole] { return Server->Samples() >= goneFrom + whole; }, 8000);
    const double gone = Arrived(Server->Since(goneFrom), Waves["Game Over.wav"]);
    std::printf("Game Over.wav, its player gone after 300 ms: %.1f%% arrived\n", gone * 100);
    EXPECT_LT(gone, 0.6) << "the sound went on after its player was gone";
}
