#include "platform/sound/WavePlayer.h"
#include "platform/sound/Sound.h"
#include "tests/common/TestSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QtEndian>
#include <memory>

namespace {

// A mono 16-bit PCM wave of the given length in milliseconds at 8000 Hz.
QByteArray Wave(int ms) {
    const quint32 dataSize = 8000u * static_cast<quint32>(ms) / 1000u * 2u;
    QByteArray bytes;
    const auto u32 = [&bytes](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        bytes.append(b, 4);
    };
    const auto u16 = [&bytes](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        bytes.append(b, 2);
    };
    bytes += "RIFF";
    u32(36 + dataSize);
    bytes += "WAVEfmt ";
    u32(16);
    u16(1);     // PCM
    u16(1);     // mono
    u32(8000);  // samples per second
    u32(16000); // bytes per second
    u16(2);
    u16(16);
    bytes += "data";
    u32(dataSize);
    for (quint32 i = 0; i < dataSize / 2; ++i)
        u16(i % 40 < 20 ? 6000 : static_cast<quint16>(-6000));
    return bytes;
}

class WavePlayerTest : public TestFolder {
protected:
    void TearDown() override {
        Sound::Stop();
        TestFolder::TearDown();
    }
};

} // namespace

TEST(WavePlayer, LoopIsOnlyTakenWhileAsynchronous) {
    TWavePlayer player;
    EXPECT_FALSE(player.Asynchronous());
    EXPECT_EQ(player.SourceType(), frFile);
    player.SetLoop(true);
    EXPECT_FALSE(player.Loop());
    player.SetAsynchronous(true);
    player.SetLoop(true);
    EXPECT_TRUE(player.Loop());
    player.SetAsynchronous(true);
    EXPECT_TRUE(player.Loop());
    player.SetAsynchronous(false);
    EXPECT_FALSE(player.Loop());
}

TEST_F(WavePlayerTest, AMissingOrBrokenSoundPlaysNothingAndRaisesNothing) {
    WriteBytes("Text.wav", "this is no wave at all, just text long enough");
    QByteArray truncated = Wave(100).left(30);
    WriteBytes("Short.wav", truncated);
    TWavePlayer player;
    player.SetAsynchronous(true);
    std::vector<QString> events;
    player.SetBeforePlaying([&](QObject* sender) {
        EXPECT_EQ(sender, &player);
        events.push_back("before");
    });
    player.SetAfterPlaying([&](QObject*) { events.push_back("after"); });
    for (const char* name : {"Missing.wav", "Text.wav", "Short.wav", ""}) {
        player.SetFileName(*name ? PathOf(name) : QString());
        EXPECT_FALSE(player.Play()) << name;
        EXPECT_EQ(Sound::PlayingCount(), 0) << name;
    }
    EXPECT_EQ(events, std::vector<QString>({"before", "after", "before", "after", "before", "after",
                                            "before", "after"}));
}

TEST_F(WavePlayerTest, ASecondSoundCutsOffTheFirstWhicheverPlayerStartedIt) {
    WriteBytes("Line Done.wav", Wave(2000));
    WriteBytes("Game Over.wav", Wave(2000));
    TWavePlayer first;
    TWavePlayer second;
    first.SetAsynchronous(true);
    second.SetAsynchronous(true);
    first.SetFileName(PathOf("Line Done.wav"));
    second.SetFileName(PathOf("Game Over.wav"));

    ASSERT_TRUE(first.Play());
    EXPECT_EQ(Sound::PlayingCount(), 1);
    EXPECT_EQ(Sound::PlayingSource(), PathOf("Line Done.wav"));
    ASSERT_TRUE(second.Play());
    EXPECT_EQ(Sound::PlayingCount(), 1);
    EXPECT_EQ(Sound::PlayingSource(), PathOf("Game Over.wav"));
    // The same sound again starts afresh rather than adding a second voice.
    ASSERT_TRUE(second.Play());
    EXPECT_EQ(Sound::PlayingCount(), 1);
    // A sound that cannot be played still stops the one playing.
    first.SetFileName(PathOf("Missing.wav"));
    EXPECT_FALSE(first.Play());
    EXPECT_EQ(Sound::PlayingCount(), 0);
}

TEST_F(WavePlayerTest, DestroyingThePlayerStopsTheSound) {
    WriteBytes("Click.wav", Wave(2000));
    auto player = std::make_unique<TWavePlayer>();
    player->SetAsynchronous(true);
    player->SetLoop(true);
    player->SetFileName(PathOf("Click.wav"));
    ASSERT_TRUE(player->Play());
    EXPECT_EQ(Sound::PlayingCount(), 1);
    player.reset();
    EXPECT_EQ(Sound::PlayingCount(), 0);

    // An owner takes its player with it.
    auto owner = std::make_unique<QObject>();
    auto* owned = new TWavePlayer(owner.get());
    owned->SetAsynchronous(true);
    owned->SetFileName(PathOf("Click.wav"));
    ASSERT_TRUE(owned->Play());
    owner.reset();
    EXPECT_EQ(Sound::PlayingCount(), 0);
}

TEST_F(WavePlayerTest, AWaveImageInMemoryPlaysAndASynchronousSoundHasEndedOnReturn) {
    const QByteArray image = Wave(50);
    TWavePlayer player;
    player.SetSourceType(frRAM);
    player.SetAsynchronous(true);
    player.WaveData = image.constData();
    EXPECT_TRUE(player.Play());
    EXPECT_EQ(Sound::PlayingCount(), 1);
    // It ends by itself, with or without an audio device.
    QElapsedTimer waited;
    waited.start();
    while (Sound::PlayingCount() != 0 && waited.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(Sound::PlayingCount(), 0);

    EXPECT_TRUE(player.Play());
    const QByteArray garbage(64, 'x');
    player.WaveData = garbage.constData();
    EXPECT_FALSE(player.Play());
    EXPECT_EQ(Sound::PlayingCount(), 0);

    WriteBytes("Short.wav", image);
    player.SetSourceType(frFile);
    player.SetFileName(PathOf("Short.wav"));
    player.SetAsynchronous(false);
    EXPECT_TRUE(player.Play());
    EXPECT_EQ(Sound::PlayingCount(), 0);
}
