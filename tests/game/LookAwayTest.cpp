#include "game/uBlocks.h"
#include "game/uGame.h"
#include "tests/game/WindowFixture.h"

#include <QGuiApplication>

// Another program taking the keyboard focus, as Qt reports it to the program. That a
// real one does, and that the program's own boxes do not, the e2e run checks.
namespace {

void FocusMovesTo(Qt::ApplicationState state) {
    emit qGuiApp->applicationStateChanged(state);
}

template <class Window> class LookAway : public WindowTest<Window> {};
using GameWindows = ::testing::Types<TfrmGame, TfrmGameBlocks>;
TYPED_TEST_SUITE(LookAway, GameWindows);

} // namespace

TYPED_TEST(LookAway, ARunningGamePausesAsPDoesAndOnlyPResumesIt) {
    auto& w = this->Open();
    const QString paused = w.Caption();
    this->Char('p');
    const QString running = w.Caption();
    w.tmrTimeCodeTimer();

    FocusMovesTo(Qt::ApplicationInactive);
    EXPECT_EQ(w.Caption(), paused);
    const QImage frozen = w.grab().toImage();
    for (int tick = 0; tick < 3; ++tick) {
        w.tmrGameTimerTimer();
        w.tmrTimeCodeTimer();
    }
    EXPECT_EQ(w.Seconds, 1);
    EXPECT_EQ(w.grab().toImage(), frozen);

    FocusMovesTo(Qt::ApplicationActive);
    EXPECT_EQ(w.Caption(), paused);
    this->Char('p');
    EXPECT_EQ(w.Caption(), running);
    w.tmrTimeCodeTimer();
    EXPECT_EQ(w.Seconds, 2);
}

TYPED_TEST(LookAway, APausedOrEndedGameIsLeftAsItIs) {
    auto& w = this->Open();
    const QString paused = w.Caption();
    FocusMovesTo(Qt::ApplicationInactive);
    EXPECT_EQ(w.Caption(), paused);
    EXPECT_TRUE(w.Paused);

    FocusMovesTo(Qt::ApplicationActive);
    this->Char('p');
    this->Key(vk::Home);
    ASSERT_EQ(this->Modals.size(), 1u); // the high-score table
    const QString ended = w.Caption();
    FocusMovesTo(Qt::ApplicationInactive);
    EXPECT_EQ(w.Caption(), ended);
    this->Settle();
    EXPECT_TRUE(w.Closed());
}
