#include "tests/common/SoundServer.h"
#include "platform/sound/Sound.h"
#include "platform/sound/WavePlayer.h"
#include "tests/common/TestSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QtEndian>
#include <cstdio>
#include <map>
#include <memory>
#include <vector>

namespace {

constexpr int kRate = TSoundServer::kRate;

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
    static void SetUpTestSuite() { StartServer(TSoundServer::PulseAudio); }
    static void StartServer(TSoundServer::TKind kind) {
        Server = std::make_unique<TSoundServer>(kind);
        Why = Server->Start();
        // The sound layer reads it when it first talks to a server.
        if (Why.isEmpty()) qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(Server->Socket()));
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

    // Plays the player's sound, lets it end, and gives how much of it reached the sink.
    static double PlayArrived(TWavePlayer& player, const std::vector<qint16>& sound) {
        const qsizetype from = Server->Samples();
        EXPECT_TRUE(player.Play());
        EXPECT_TRUE(RunUntil([] { return Sound::PlayingCount() == 0; }, 5000));
        LetTheSinkCatchUp();
        return Arrived(Server->Since(from), sound);
    }

    void EverySoundThreeTimesArrivesWhole() {
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
                std::printf("%s play %d: %.1f%% of its energy arrived\n", name, play,
                            arrived * 100);
                EXPECT_GE(arrived, 0.95) << name << " play " << play;
            }
        }
    }

    static inline std::unique_ptr<TSoundServer> Server;
    static inline QString Why;
    std::map<QString, std::vector<qint16>> Waves;
};

class PipeWireTest : public SoundServerTest {
protected:
    static void SetUpTestSuite() { StartServer(TSoundServer::PipeWire); }
};

} // namespace

TEST_F(SoundServerTest, EveryPlayOfEverySoundArrivesWhole) {
    EverySoundThreeTimesArrivesWhole();

    TWavePlayer player;
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

TEST_F(SoundServerTest, AStoppedServerHoldsNothingUpAndWhatItMissedIsNotPlayedLate) {
    TWavePlayer player;
    player.SetAsynchronous(true);
    player.SetFileName(PathOf("Click.wav"));
    EXPECT_GE(PlayArrived(player, Waves["Click.wav"]), 0.95);

    Server->Hold(true);
    player.SetFileName(PathOf("Game Over.wav"));
    QElapsedTimer call;
    for (int play = 0; play < 3; ++play) {
        call.start();
        ASSERT_TRUE(player.Play());
        EXPECT_LT(call.elapsed(), 50) << "Play waited for the stopped server";
        EXPECT_EQ(Sound::PlayingCount(), 1);
        RunFor(200);
    }
    // Unheard, it still ends after its length, as with no server at all.
    const qint64 lengthMs = qint64(Waves["Game Over.wav"].size()) * 1000 / kRate;
    EXPECT_TRUE(RunUntil([] { return Sound::PlayingCount() == 0; }, lengthMs + 1000));
    call.start();
    Sound::Stop();
    EXPECT_LT(call.elapsed(), 50);

    const qsizetype let = Server->Samples();
    Server->Hold(false);
    LetTheSinkCatchUp();
    LetTheSinkCatchUp();
    const double late = Arrived(Server->Since(let), Waves["Game Over.wav"]);
    std::printf("Game Over.wav asked for during the stop, after it: %.1f%% arrived\n", late * 100);
    EXPECT_LT(late, 0.2) << "a sound missed during the stop came out afterwards";

    player.SetFileName(PathOf("Click.wav"));
    EXPECT_GE(PlayArrived(player, Waves["Click.wav"]), 0.95);
}

TEST_F(SoundServerTest, AServerKilledAndStartedAgainIsFoundAgainByItself) {
    TWavePlayer player;
    player.SetAsynchronous(true);
    player.SetFileName(PathOf("Click.wav"));
    EXPECT_GE(PlayArrived(player, Waves["Click.wav"]), 0.95);
    for (const int downMs : {0, 3000}) {
        Server->Kill();
        // With no server the click plays silently for its length.
        RunFor(100);
        ASSERT_TRUE(player.Play());
        EXPECT_EQ(Sound::PlayingCount(), 1);
        EXPECT_TRUE(RunUntil([] { return Sound::PlayingCount() == 0; }, 1000));
        RunFor(downMs);
        ASSERT_EQ(Server->Launch(), QString());
        RunFor(2000);
        for (int play = 1; play <= 3; ++play)
            EXPECT_GE(PlayArrived(player, Waves["Click.wav"]), 0.95)
                << "after " << downMs << " ms without a server, play " << play;
    }
}

TEST_F(SoundServerTest, AServerThatComesUpOnlyAfterTheProgramIsUsedOnceItIs) {
    Server->Kill();
    Sound::Prepare();
    RunFor(1500);
    ASSERT_EQ(Server->Launch(), QString());
    RunFor(2000);
    TWavePlayer player;
    player.SetAsynchronous(true);
    player.SetFileName(PathOf("Click.wav"));
    EXPECT_GE(PlayArrived(player, Waves["Click.wav"]), 0.95);
}

TEST_F(PipeWireTest, EveryPlayOfEverySoundArrivesWholeThroughPipeWire) {
    EverySoundThreeTimesArrivesWhole();
}
