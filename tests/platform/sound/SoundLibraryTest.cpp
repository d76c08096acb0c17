#include "platform/sound/PulseLibrary.h"
#include "platform/sound/SoundThread.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

// The client library is opened by the sound thread; where it is missing, or is some
// other library, every sound still takes its length and then ends, in silence.
TEST(SoundLibrary, WithoutTheLibrarySoundsEndAfterTheirLength) {
    ASSERT_NE(PulseLibrary(), nullptr) << "libpulse.so.0 should be installed where this is built";
    EXPECT_EQ(PulseLibrary("libquorvel-absent.so.0"), nullptr);
    EXPECT_EQ(PulseLibrary("libm.so.6"), nullptr);

    for (const char* library : {"libquorvel-absent.so.0", "libm.so.6"}) {
        SCOPED_TRACE(library);
        TSoundThread thread(library);
        // 300 ms of 16-bit stereo at 8000 Hz.
        TWave wave{{PA_SAMPLE_S16LE, 8000, 2}, QByteArray(8000 * 4 * 3 / 10, '\0')};
        ASSERT_EQ(wave.Length(), std::chrono::milliseconds(300));
        QElapsedTimer clock;
        clock.start();
        thread.Play(1, wave, false);
        EXPECT_FALSE(thread.WaitEnded(1, std::chrono::milliseconds(200)));
        EXPECT_TRUE(thread.WaitEnded(1, std::chrono::seconds(2)));
        EXPECT_GE(clock.elapsed(), 300);
        EXPECT_LT(clock.elapsed(), 700);

        // A looping sound goes on until it is stopped, and the next one plays after it.
        thread.Play(2, wave, true);
        EXPECT_FALSE(thread.WaitEnded(2, std::chrono::milliseconds(500)));
        thread.Play(3, wave, false);
        EXPECT_TRUE(thread.WaitEnded(3, std::chrono::seconds(2)));
    }
}
