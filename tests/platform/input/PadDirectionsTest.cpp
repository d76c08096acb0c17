#include "platform/input/GamePad.h"

#include <gtest/gtest.h>

namespace {

using TPresses = std::vector<std::pair<TPadButton, bool>>;

// What a reader polling every `step` ms from `from` to `to` would be handed.
TPresses Between(TPadDirections& pad, qint64 from, qint64 to, qint64 step = 1) {
    TPresses all;
    for (qint64 now = from; now <= to; now += step)
        for (const auto& press : pad.Due(now))
            all.push_back(press);
    return all;
}

std::vector<qint64> Times(TPadDirections& pad, qint64 from, qint64 to) {
    std::vector<qint64> times;
    for (qint64 now = from; now <= to; ++now)
        if (!pad.Due(now).empty()) times.push_back(now);
    return times;
}

TEST(PadDirections, AHeldDirectionPressesAtOnceThenAfter170msThenEvery50ms) {
    TPadDirections pad;
    pad.SetDpad(TPadButton::Left, true);
    EXPECT_EQ(Times(pad, 1000, 1300), (std::vector<qint64>{1000, 1170, 1220, 1270}));
    pad.SetDpad(TPadButton::Left, false);
    EXPECT_TRUE(Between(pad, 1301, 1600).empty());
    // A tap let go before the next read is one press, and no repeat.
    pad.SetDpad(TPadButton::Up, true);
    pad.SetDpad(TPadButton::Up, false);
    EXPECT_EQ(Between(pad, 1601, 2000), (TPresses{{TPadButton::Up, false}}));
    // The options file may set other figures; a reader that comes late gives one repeat,
    // not a burst.
    TPadDirections slow(TPadRepeat{300, 100});
    slow.SetDpad(TPadButton::Down, true);
    EXPECT_EQ(Times(slow, 0, 500), (std::vector<qint64>{0, 300, 400, 500}));
    EXPECT_EQ(slow.Due(2000), (TPresses{{TPadButton::Down, true}}));
    EXPECT_TRUE(slow.Due(2050).empty());
    EXPECT_EQ(slow.Due(2100), (TPresses{{TPadButton::Down, true}}));
}

TEST(PadDirections, TheStickHasADeadZoneWithHysteresisAndCannotCutTheDpadsRepeat) {
    TPadDirections pad;
    // A resting, worn stick is quiet; half way takes the direction.
    pad.SetStick(16000, -9000);
    EXPECT_TRUE(pad.Due(0).empty());
    pad.SetStick(16384, 0);
    EXPECT_EQ(pad.Due(10), (TPresses{{TPadButton::Right, false}}));
    // Wobbling between a third and a half keeps it; below a third lets go.
    pad.SetStick(11000, 0);
    pad.SetStick(15000, 0);
    EXPECT_EQ(pad.Due(180), (TPresses{{TPadButton::Right, true}}));
    pad.SetStick(10000, 0);
    EXPECT_FALSE(pad.AnyHeld());
    pad.SetStick(-32768, 32767);
    EXPECT_EQ(pad.Due(500), (TPresses{{TPadButton::Left, false}, {TPadButton::Down, false}}));
    pad = TPadDirections();

    // The d-pad holds right; a noisy stick pushed right and let go meanwhile neither
    // presses again nor stops the repeat.
    pad.SetDpad(TPadButton::Right, true);
    EXPECT_EQ(pad.Due(1000), (TPresses{{TPadButton::Right, false}}));
    for (int i = 0; i < 5; ++i) {
        pad.SetStick(20000, 0);
        pad.SetStick(0, 0);
    }
    EXPECT_EQ(Times(pad, 1001, 1230), (std::vector<qint64>{1170, 1220}));
}

} // namespace
