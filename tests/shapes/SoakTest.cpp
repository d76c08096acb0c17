#include "platform/numbers/Random.h"
#include "tests/shapes/BoardFixture.h"
#include "tests/shapes/ShapesReferee.h"

#include <QByteArray>
#include <iostream>
#include <random>

namespace {

using ShapesSoakTest = TestFolder;

bool FitsOn(const brickfall::TBrickfall& board, const brickfall::TPieceMatrix& m, int size, int x,
            int y) {
    for (int i = 1; i <= size; ++i)
        for (int j = 1; j <= size; ++j) {
            if (!m(i, j)) continue;
            const int c = x + i - 1;
            const int r = y + j - 1;
            if (c < 1 || c > board.Columns() || r > board.Rows()) return false;
            if (r >= 1 && board.Cell(c, r) != 0) return false;
        }
    return true;
}

struct TPlan {
    int Column = 0;
    int Turns = 0;
};

// Where a greedy player puts the falling piece: the turn and column whose landing
// sinks its cells deepest, which fills rows far more often than chance does.
TPlan Deepest(const brickfall::TBrickfall& board, int tieBreak) {
    const brickfall::TPiece& piece = *board.CurrentPiece();
    TPlan best;
    int bestDepth = -1;
    brickfall::TPieceMatrix m = piece.Matrix;
    for (int turns = 0; turns < 4; ++turns) {
        for (int x = 1 - piece.Size; x <= board.Columns(); ++x) {
            int y = board.PieceY();
            if (!FitsOn(board, m, piece.Size, x, y)) continue;
            while (FitsOn(board, m, piece.Size, x, y + 1))
                ++y;
            int depth = 0;
            for (int i = 1; i <= piece.Size; ++i)
                for (int j = 1; j <= piece.Size; ++j)
                    depth += m(i, j) ? (y + j) * 16 : 0;
            depth += (x * 7 + tieBreak) % 13; // spreads equal choices over the width
            if (depth > bestDepth) {
                bestDepth = depth;
                best = {x, turns};
            }
        }
        m = brickfall::RotateMatrix(m, piece.Size, 1);
    }
    return best;
}

// A seeded player: half the games on the window's board, the others on boards of any
// size the limits allow; every game that ends is followed by a new one.
TEST_F(ShapesSoakTest, SeededPlayKeepsEveryRuleAfterEveryOperation) {
    const int operations = SoakOperations();
    std::mt19937 player(20240601u);
    const auto roll = [&player](int n) {
        return static_cast<int>(std::uniform_int_distribution<int>(0, n - 1)(player));
    };

    TestBoard board;
    soak::TShapesReferee referee(board);
    const auto start = [&] {
        const int kind = roll(4);
        if (kind == 0) {
            // Narrow boards fill rows often and meet pieces wider than themselves.
            board.SetColumns(2 + roll(7));
            board.SetRows(2 + roll(49));
            board.SetBlockSize(1 + roll(18));
        } else if (kind == 1) {
            board.SetColumns(2 + roll(29));
            board.SetRows(2 + roll(49));
            board.SetBlockSize(1 + roll(18));
        } else {
            board.SetColumns(21);
            board.SetRows(28);
            board.SetBlockSize(18);
        }
        board.SetDrawGrid(roll(2) == 0);
        board.SetUseDefaultPieces(roll(2) == 0);
        board.SetPieces(brickfall::WindowPieceStrings());
        return referee.NewGame();
    };

    ASSERT_TRUE(start()) << referee.Failure();
    // Each piece gets a plan, a column and a number of turns; one operation in eight
    // is a random one instead, which spoils plans often enough to end games.
    int planned = -1;
    int column = 0;
    int turns = 0;
    for (int op = 0; op < operations; ++op) {
        if (planned != referee.Landings + referee.Games) {
            planned = referee.Landings + referee.Games;
            const TPlan plan = Deepest(board, roll(13));
            column = plan.Column;
            turns = plan.Turns;
        }
        soak::TShapesMove move = soak::TShapesMove::Step;
        if (roll(8) == 0) {
            move = static_cast<soak::TShapesMove>(roll(soak::kShapesMoves));
        } else if (turns > 0) {
            move = soak::TShapesMove::TurnClockwise;
            --turns;
        } else if (board.PieceX() != column) {
            move = board.PieceX() < column ? soak::TShapesMove::Right : soak::TShapesMove::Left;
            // A wall or a stack in the way ends the walk where the piece stands.
            if (roll(8) == 0) column = board.PieceX();
        } else {
            move = roll(3) == 0 ? soak::TShapesMove::Drop : soak::TShapesMove::Step;
        }
        ASSERT_TRUE(referee.Play(move)) << referee.Failure() << " at operation " << op;
        if (op % 7 == 0) {
            ASSERT_TRUE(referee.CheckPicture()) << referee.Failure();
        }
        if (referee.Ended()) {
            ASSERT_TRUE(start()) << referee.Failure();
        }
    }
    // The run must have met the cases it is there for.
    std::cout << "[   soak   ] " << operations << " operations, " << referee.Games << " games, "
              << referee.Landings << " landings, " << referee.RowsRemoved << " rows removed, "
              << referee.Pictures << " pictures compared\n";
    EXPECT_GT(referee.Games, 20);
    EXPECT_GT(referee.RowsRemoved, 100);
    EXPECT_GT(referee.Pictures, operations / 20);
}

// A referee that misses a broken rule is no referee: a picture that differs from the
// board and a settled cell beyond the board's edge must both be reported.
class TamperedBoard : public TestBoard {
public:
    using TestBoard::SetCellValue;
};

TEST_F(ShapesSoakTest, TheRefereeReportsAStrayPixelAndACellOutsideTheBoard) {
    TamperedBoard board;
    board.SetColumns(4);
    board.SetRows(6);
    board.SetPieces({"Dot;clRed;1;1"});
    soak::TShapesReferee referee(board);
    ASSERT_TRUE(referee.NewGame()) << referee.Failure();
    ASSERT_TRUE(referee.Play(soak::TShapesMove::Step)) << referee.Failure();
    ASSERT_TRUE(referee.CheckPicture()) << referee.Failure();
    board.Canvas().SetPixel(0, 0, clRed);
    EXPECT_FALSE(referee.CheckPicture());
    EXPECT_NE(referee.Failure().find("full repaint"), std::string::npos) << referee.Failure();

    soak::TShapesReferee second(board);
    ASSERT_TRUE(second.NewGame()) << second.Failure();
    board.SetCellValue(5, 3, 1);
    EXPECT_FALSE(second.Play(soak::TShapesMove::Left));
    EXPECT_NE(second.Failure().find("outside the board"), std::string::npos) << second.Failure();
}

} // namespace

namespace {

// Found by the soak: a drop on a piece that already rests moved it up one row and back,
// and erasing it up there wiped the squares of settled cells above it from the screen.
TEST_F(ShapesSoakTest, DropOnAPieceRestingUnderAnOverhangLeavesTheOverhangOnScreen) {
    TestBoard board;
    board.SetColumns(4);
    board.SetRows(6);
    board.SetBlockSize(10);
    board.SetPieces({"Dot;clBlue;1;1"});
    board.NewGame();
    board.Lay({"0...", "...."});
    board.Paint();
    // Down the free column 2 to the floor, then left under the overhang.
    ASSERT_EQ(board.PieceX(), 1);
    ASSERT_TRUE(board.MoveRight());
    while (board.PieceY() < 6)
        ASSERT_EQ(board.StepDown(), 1);
    ASSERT_TRUE(board.MoveLeft());

    board.Drop();
    EXPECT_EQ(board.PieceX(), 1);
    EXPECT_EQ(board.PieceY(), 6);
    EXPECT_TRUE(board.Playing());
    EXPECT_EQ(board.Canvas().Pixel(5, 45), clBlue) << "the overhang's square was erased";
    EXPECT_EQ(board.Canvas().Pixel(5, 55), clBlue) << "the piece is drawn where it rests";
    const QImage drawn = board.Image().copy();
    board.Paint();
    EXPECT_TRUE(drawn == board.Image()) << "a full repaint shows something else";
    EXPECT_EQ(board.StepDown(), 0) << "the next step lands it";
}

} // namespace
