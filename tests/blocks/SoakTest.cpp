#include "tests/blocks/BlocksReferee.h"
#include "tests/blocks/BoardFixture.h"

#include <iostream>
#include <random>

namespace {

using BlocksSoakTest = BlocksTest;

// A seeded player: mostly the window's board in the button look, now and then a board
// of any size and look the limits allow; every game that ends is followed by a new one.
TEST_F(BlocksSoakTest, SeededPlayKeepsEveryRuleAfterEveryOperation) {
    const int operations = SoakOperations();
    std::mt19937 player(20240602u);
    const auto roll = [&player](int n) {
        return static_cast<int>(std::uniform_int_distribution<int>(0, n - 1)(player));
    };

    Board board;
    soak::TBlocksReferee referee(board);
    const auto start = [&] {
        if (roll(3) == 0) {
            board.SetRows(4 + roll(57));
            board.SetColumns(1 + roll(27));
            // Cells of at least 3 pixels: smaller ones draw over their neighbours, as
            // GDI shapes of negative size do, and no window uses them.
            board.SetSize(board.Columns() * (3 + roll(30)) + roll(board.Columns()),
                          board.Rows() * (3 + roll(30)) + roll(board.Rows()));
            board.SetBlockType(static_cast<tumblox::TBlockType>(roll(3)));
            board.SetDrawBorder(roll(2) == 0);
            board.SetDrawInner(roll(2) == 0);
        } else {
            board.SetRows(20);
            board.SetColumns(15);
            board.SetSize(386, 513);
            board.SetBlockType(tumblox::btButton);
            board.SetDrawBorder(false);
            board.SetDrawInner(true);
        }
        return referee.NewGame();
    };

    ASSERT_TRUE(start()) << referee.Failure();
    for (int op = 0; op < operations; ++op) {
        const int pick = roll(20);
        const soak::TBlocksMove move = pick < 4    ? soak::TBlocksMove::Left
                                       : pick < 8  ? soak::TBlocksMove::Right
                                       : pick < 11 ? soak::TBlocksMove::Cycle
                                       : pick < 18 ? soak::TBlocksMove::Step
                                                   : soak::TBlocksMove::Drop;
        ASSERT_TRUE(referee.Play(move)) << referee.Failure() << " at operation " << op;
        if (op % 7 == 0) {
            ASSERT_TRUE(referee.CheckPicture()) << referee.Failure();
        }
        if (referee.Ended()) {
            ASSERT_TRUE(start()) << referee.Failure();
        }
    }
    std::cout << "[   soak   ] " << operations << " operations, " << referee.Games << " games, "
              << referee.Landings << " landings, " << referee.Lines << " lines, " << referee.Removed
              << " blocks removed, " << referee.Pictures << " pictures compared\n";
    EXPECT_GT(referee.Games, 20);
    EXPECT_GT(referee.Lines, 200);
    EXPECT_GT(referee.Pictures, operations / 20);
    EXPECT_TRUE(Dialogs.empty());
}

// A referee that misses a broken rule is no referee.
TEST_F(BlocksSoakTest, TheRefereeReportsAStrayPixelAFloatingBlockAndACellBeyondTheBoard) {
    Board board;
    board.SetSize(386, 513);
    soak::TBlocksReferee referee(board);
    ASSERT_TRUE(referee.NewGame()) << referee.Failure();
    ASSERT_TRUE(referee.CheckPicture()) << referee.Failure();
    board.Canvas().SetPixel(3, 3, clLime);
    EXPECT_FALSE(referee.CheckPicture());
    EXPECT_NE(referee.Failure().find("full repaint"), std::string::npos) << referee.Failure();

    soak::TBlocksReferee second(board);
    ASSERT_TRUE(second.NewGame()) << second.Failure();
    // A block in mid-air, and a block beyond the last column, which play never makes.
    board.SetCell(0, 5, clLime);
    EXPECT_FALSE(second.Play(soak::TBlocksMove::Cycle));
    EXPECT_NE(second.Failure().find("floats"), std::string::npos) << second.Failure();

    soak::TBlocksReferee third(board);
    ASSERT_TRUE(third.NewGame()) << third.Failure();
    board.SetCell(board.Columns(), 0, clLime);
    EXPECT_FALSE(third.Play(soak::TBlocksMove::Cycle));
    EXPECT_NE(third.Failure().find("outside the board"), std::string::npos) << third.Failure();
}

} // namespace
