#include "tests/blocks/BoardFixture.h"

#include "platform/numbers/Random.h"

using namespace tumblox;

namespace {

int CountFilled(const Board& board) {
    int filled = 0;
    for (int col = 0; col < board.Columns(); ++col)
        for (int row = 0; row < board.Rows(); ++row)
            filled += board.Cell(col, row).Filled ? 1 : 0;
    return filled;
}

QStringList Uniform(int columns, int rows, QChar letter) {
    return QStringList(rows, QString(columns, letter));
}

} // namespace

TEST_F(BlocksTest, ConstructedBoardIsIdleWithItsStartingValues) {
    SetRandSeed(777);
    Board board;
    SetRandSeed(777);
    std::array<TColor, 3> expected{};
    for (TColor& color : expected)
        color = BlockPalette[static_cast<size_t>(Random(6))];
    EXPECT_EQ(board.Piece().Colors, expected);
    EXPECT_EQ(board.Piece().X, 4);
    EXPECT_EQ(board.Piece().Y, 0);
    EXPECT_EQ(board.Columns(), 9);
    EXPECT_EQ(board.Rows(), 20);
    EXPECT_TRUE(board.DrawInner());
    EXPECT_FALSE(board.DrawBorder());
    EXPECT_EQ(board.Backgroundcolor(), clBlack);
    EXPECT_EQ(board.BlockType(), btNormal);
    EXPECT_EQ(board.BackGroundType(), btColor);
    EXPECT_TRUE(board.backPicture().isNull());
    EXPECT_FALSE(board.Playing());
    EXPECT_FALSE(board.DesignMode());
    EXPECT_EQ(Cells(board), Uniform(9, 20, '.'));
    EXPECT_TRUE(Dialogs.empty()) << "constructing must not warn";

    // Outside tests the board seeds the generator from the clock.
    SetRandSeed(1);
    for (int i = 0; i < 3; ++i)
        Random(6);
    const uint32_t withoutClock = RandSeed();
    FreezeRandomize(false);
    SetRandSeed(1);
    Board seeded;
    EXPECT_NE(RandSeed(), withoutClock);
}

TEST_F(BlocksTest, BeforeNewGameStepsAndMovesChangeNothingWhileDropAndCycleStillAct) {
    Board board;
    Load(board, Bottom(6, {"....G...."}));
    SetPiece(board, "RBY");
    const QStringList before = Cells(board);

    EXPECT_EQ(board.StepDown(), 0);
    EXPECT_EQ(board.MoveLeft(), -1);
    EXPECT_EQ(board.MoveRight(), -1);
    EXPECT_EQ(Cells(board), before);
    EXPECT_EQ(board.Piece().X, 4);
    EXPECT_EQ(board.Piece().Y, 0);

    board.Drop();
    EXPECT_EQ(board.Piece().Y, 2);
    board.CycleColors();
    EXPECT_EQ(board.Piece().Colors, (std::array<TColor, 3>{clBlue, clYellow, clRed}));
    EXPECT_EQ(board.StepDown(), 0);
    EXPECT_EQ(Cells(board), before) << "an idle board never lands its piece";
}

TEST_F(BlocksTest, PieceOfThreeEqualColoursVanishesOnLanding) {
    Board board;
    Watch(board);
    board.NewGame();
    SetPiece(board, "RRR");
    board.Drop();
    EXPECT_EQ(board.Piece().Y, 17);

    EXPECT_EQ(board.StepDown(), 1);
    ASSERT_EQ(Deleted.size(), 3u);
    // Removed top to bottom, each after its column closed up.
    EXPECT_EQ(Deleted[0].mid(17), QStringList({".........", "....R....", "....R...."}));
    EXPECT_EQ(Deleted[1].mid(17), QStringList({".........", ".........", "....R...."}));
    EXPECT_EQ(Cells(board), Uniform(9, 20, '.'));
    EXPECT_EQ(GameOvers, 0);
}

TEST_F(BlocksTest, LinesCountThreesNotBlocksInEveryDirection) {
    struct Case {
        const char* name;
        QStringList board;
        int lines;
        size_t removed;
        QStringList after;
    };
    const std::vector<Case> cases = {
        {"run of four",
         {"......", "......", "......", "RRRRG."},
         2,
         4,
         {"......", "......", "......", "....G."}},
        {"run of five",
         {"......", "......", "......", "BBBBBG"},
         3,
         5,
         {"......", "......", "......", ".....G"}},
        {"down-right",
         {"......", "Y.....", "GY....", "BGY..."},
         1,
         3,
         {"......", "......", "G.....", "BG...."}},
        {"up-right",
         {"......", "..Y...", ".YG...", "YGB..."},
         1,
         3,
         {"......", "......", "..G...", ".GB..."}},
        {"cross", {".....", "..R..", ".RRR.", "..R.."}, 2, 5, {".....", ".....", ".....", "....."}},
        {"corner",
         {".....", "F....", "F....", "FFF.."},
         2,
         5,
         {".....", ".....", ".....", "....."}},
        {"square of nine", {"...", "MMM", "MMM", "MMM"}, 8, 9, {"...", "...", "...", "..."}},
        {"no line across the edge",
         {"....", "....", "Y..W", "WWGY"},
         0,
         0,
         {"....", "....", "Y..W", "WWGY"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Board board;
        Watch(board);
        Load(board, c.board);
        Deleted.clear();
        EXPECT_EQ(board.FindMatches(), c.lines);
        EXPECT_EQ(Deleted.size(), c.removed);
        EXPECT_EQ(Cells(board), c.after);
        for (int col = 0; col < board.Columns(); ++col)
            for (int row = 0; row < board.Rows(); ++row)
                EXPECT_FALSE(board.Cell(col, row).Marked) << col << "," << row;
    }
}

TEST_F(BlocksTest, BlocksThatFallIntoANewLineChainWithOnePaintPerPass) {
    Board board;
    Watch(board);
    Load(board, Bottom(20, {"..Y", "..R", "..R", "YYR"}));
    board.Paints = 0;

    EXPECT_EQ(board.FindMatches(), 2);
    ASSERT_EQ(Deleted.size(), 6u);
    EXPECT_EQ(Deleted[0].mid(16), QStringList({"...", "..Y", "..R", "YYR"}));
    EXPECT_EQ(Deleted[2].mid(16), QStringList({"...", "...", "...", "YYY"}));
    EXPECT_EQ(Cells(board), Uniform(3, 20, '.'));
    EXPECT_EQ(board.Paints, 2);

    board.Paints = 0;
    EXPECT_EQ(board.FindMatches(), 0);
    EXPECT_EQ(board.Paints, 0) << "a pass that finds nothing does not repaint";
}

TEST_F(BlocksTest, PieceOnTheLastRowLandsOnlyOnTheNextStepAndMovesMeanwhile) {
    Board board;
    board.SetColumns(5);
    board.SetRows(5);
    board.NewGame();
    SetPiece(board, "RBY");
    EXPECT_EQ(board.StepDown(), 0);
    EXPECT_EQ(board.StepDown(), 0);
    EXPECT_EQ(board.Piece().Y, 2) << "bottom block on the last row, not landed yet";
    EXPECT_EQ(CountFilled(board), 0);

    EXPECT_EQ(board.MoveLeft(), 1);
    board.CycleColors();
    EXPECT_EQ(Text(board), QStringList({".....", ".....", "...b.", "...y.", "...r."}));

    EXPECT_EQ(board.StepDown(), 0);
    EXPECT_EQ(Cells(board), QStringList({".....", ".....", "...B.", "...Y.", "...R."}));
    EXPECT_EQ(board.Piece().X, 2) << "later pieces start in column Columns div 2";
    EXPECT_EQ(board.Piece().Y, 0);
}

TEST_F(BlocksTest, SidewaysMovesStopAtTheEdgesAndBesideTallerColumns) {
    Board board;
    board.NewGame();
    Load(board, {".....", ".....", ".....", "G....", "G...G", "G...G"});
    SetPiece(board, "RBY");
    EXPECT_EQ(board.MoveRight(), 0) << "already in the last column";

    board.Drop();
    EXPECT_EQ(board.Piece().Y, 1);
    EXPECT_EQ(board.MoveLeft(), 1);
    EXPECT_EQ(board.MoveLeft(), 1);
    EXPECT_EQ(board.MoveLeft(), 1);
    EXPECT_EQ(board.MoveLeft(), 0) << "column 0 reaches up beside the piece";
    EXPECT_EQ(Text(board), QStringList({".....", ".r...", ".b...", "Gy...", "G...G", "G...G"}));

    // Moved over a lower column, the piece goes on falling there.
    EXPECT_EQ(board.StepDown(), 0);
    EXPECT_EQ(board.StepDown(), 0);
    EXPECT_EQ(board.Piece().Y, 3);
    EXPECT_EQ(board.MoveLeft(), 0);
    EXPECT_EQ(board.MoveRight(), 1);
}

TEST_F(BlocksTest, MoveLeftStopsAtColumnZero) {
    Board board;
    board.NewGame();
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(board.MoveLeft(), 1);
    EXPECT_EQ(board.Piece().X, 0);
    EXPECT_EQ(board.MoveLeft(), 0);
    EXPECT_EQ(board.Piece().X, 0);
}

TEST_F(BlocksTest, FirstPieceStartsInColumnFourAndLaterOnesInTheMiddle) {
    Board board;
    board.SetColumns(15);
    board.NewGame();
    EXPECT_EQ(board.Piece().X, 4);
    SetPiece(board, "RBY");
    board.Drop();
    board.StepDown();
    EXPECT_EQ(board.Piece().X, 7);
    board.NewGame();
    EXPECT_EQ(board.Piece().X, 4);

    // Narrower than five columns: column 4 would lie off the board.
    for (int columns : {1, 3, 4}) {
        board.SetColumns(columns);
        board.NewGame();
        EXPECT_EQ(board.Piece().X, columns / 2) << columns << " columns";
    }
    board.SetColumns(5);
    board.NewGame();
    EXPECT_EQ(board.Piece().X, 4);
}

TEST_F(BlocksTest, OutOfRangeSizesWarnAndKeepTheOldValue) {
    Board board;
    board.Paints = 0;
    for (int rows : {3, 61, 0, -1}) {
        Dialogs.clear();
        board.SetRows(rows);
        ASSERT_EQ(Dialogs.size(), 1u) << rows;
        EXPECT_EQ(Dialogs[0].Kind, TDialogKind::Warning);
        EXPECT_EQ(Dialogs[0].Caption, "Warning");
        EXPECT_EQ(Dialogs[0].Text, "Value out of range... [1,60]");
        EXPECT_EQ(board.Rows(), 20);
    }
    for (int columns : {0, 28}) {
        Dialogs.clear();
        board.SetColumns(columns);
        ASSERT_EQ(Dialogs.size(), 1u) << columns;
        EXPECT_EQ(Dialogs[0].Kind, TDialogKind::Warning);
        EXPECT_EQ(Dialogs[0].Caption, "Warning");
        EXPECT_EQ(Dialogs[0].Text, "Value out of range... [1,27]");
        EXPECT_EQ(board.Columns(), 9);
    }
    EXPECT_EQ(board.Paints, 0) << "a refused value does not repaint";

    Dialogs.clear();
    board.SetRows(4);
    EXPECT_EQ(board.Rows(), 4);
    EXPECT_EQ(board.Paints, 2) << "a Rows write re-applies Columns, which repaints too";
    board.SetRows(60);
    board.SetColumns(1);
    EXPECT_EQ(board.Columns(), 1);
    board.SetColumns(27);
    EXPECT_EQ(board.Columns(), 27);
    EXPECT_EQ(board.Rows(), 60);
    EXPECT_TRUE(Dialogs.empty());
}

TEST_F(BlocksTest, PropertyWritesRepaintExceptBackgroundType) {
    Board board;
    auto paints = [&board](auto write) {
        board.Paints = 0;
        write();
        return board.Paints;
    };
    EXPECT_EQ(paints([&] { board.SetDrawInner(false); }), 1);
    EXPECT_EQ(paints([&] { board.SetDrawBorder(true); }), 1);
    EXPECT_EQ(paints([&] { board.SetBlockType(btRound); }), 1);
    EXPECT_EQ(paints([&] { board.SetColumns(12); }), 1);
    EXPECT_EQ(paints([&] { board.SetbackPicture(QImage(2, 2, QImage::Format_RGB32)); }), 1);
    EXPECT_EQ(board.BackGroundType(), btPicture);
    EXPECT_EQ(paints([&] { board.SetBackgroundcolor(clNavy); }), 1);
    EXPECT_EQ(board.BackGroundType(), btColor);
    EXPECT_EQ(paints([&] { board.SetBackGroundType(btPicture); }), 0);
    EXPECT_EQ(board.BackGroundType(), btPicture);
    EXPECT_EQ(paints([&] { board.SetOnDeleteBlock({}); }), 0);
}

TEST_F(BlocksTest, LandingInRowZeroGoesOnWhenALineTakesThatBlockAway) {
    Board board;
    Watch(board);
    board.NewGame();
    Load(board, {".....", "...R.", "....R", "..G.."});
    board.EditPiece().SetPosition(2, 0);
    SetPiece(board, "RBY");
    EXPECT_EQ(board.StepDown(), 1);
    EXPECT_EQ(Cells(board), QStringList({".....", "..B..", "..Y..", "..G.."}));
    EXPECT_EQ(GameOvers, 0);

    Load(board, {".....", "...G.", "....R", "..G.."});
    board.EditPiece().SetPosition(2, 0);
    SetPiece(board, "RBY");
    EXPECT_EQ(board.StepDown(), -99);
    EXPECT_EQ(GameOvers, 1);
}

TEST_F(BlocksTest, GameOverPaintsTheBoardRedAndShowsTheNextPieceOverIt) {
    Board board;
    board.SetColumns(5);
    board.SetRows(4);
    board.SetSize(50, 40);
    QStringList atGameOver;
    TColor shownAtGameOver = clBlack;
    board.SetOnDeleteBlock([](TTumblox*) { FAIL() << "nothing to remove"; });
    int gameOvers = 0;
    board.SetOngameOver([&](TTumblox* sender) {
        EXPECT_EQ(sender, &board);
        ++gameOvers;
        atGameOver = Cells(board);
        shownAtGameOver = board.Canvas().Pixel(4, 4);
    });
    board.NewGame();
    board.SetCell(2, 3, clLime);
    board.EditPiece().SetPosition(2, 0);
    SetPiece(board, "BYW");

    EXPECT_EQ(board.StepDown(), -99);
    EXPECT_EQ(gameOvers, 1);
    EXPECT_EQ(atGameOver, Uniform(5, 4, 'R')) << "red before OngameOver runs";
    EXPECT_EQ(shownAtGameOver, clRed) << "and already on screen";
    EXPECT_EQ(Cells(board), Uniform(5, 4, 'R'));
    EXPECT_TRUE(board.Playing());
    const TPiece next = board.Piece();
    EXPECT_EQ(next.X, 2);
    EXPECT_EQ(next.Y, 0);
    for (int i = 0; i < 3; ++i) {
        const TRect box = board.CellRect(2, i);
        EXPECT_EQ(board.Canvas().Pixel(box.Left + 4, box.Top + 4), next.Colors[i]) << i;
    }
    EXPECT_EQ(board.Canvas().Pixel(4, 4), clRed);
    EXPECT_EQ(board.Canvas().Pixel(44, 34), clRed);

    // A new game clears the red board and keeps the colours drawn at the landing.
    board.NewGame();
    EXPECT_EQ(Cells(board), Uniform(5, 4, '.'));
    EXPECT_EQ(board.Piece().Colors, next.Colors);
    EXPECT_EQ(board.Piece().X, 4);
}

TEST_F(BlocksTest, GameOverOnARedBackgroundLeavesEmptyCells) {
    Board board;
    board.SetBackgroundcolor(clRed);
    board.SetRows(4);
    board.NewGame();
    board.SetCell(4, 3, clLime);
    SetPiece(board, "BYW");
    EXPECT_EQ(board.StepDown(), -99);
    EXPECT_EQ(Cells(board), Uniform(9, 4, '.'));
    EXPECT_EQ(board.Cell(0, 0), (TBlockCell{false, false, clRed}));
}

TEST_F(BlocksTest, SizeChangesKeepTheStoredCellsOutOfPlay) {
    Board board;
    Load(board, {"........", "........", "........", "....RRR."});
    board.SetColumns(6);
    EXPECT_EQ(Cells(board).back(), "....RR");
    EXPECT_EQ(board.FindMatches(), 0) << "a line reaching past the board does not count";
    board.SetColumns(8);
    EXPECT_EQ(board.FindMatches(), 1);

    Load(board, {"....", "....", "....", "B...", "B...", "B..."});
    board.SetRows(4);
    board.NewGame();
    EXPECT_EQ(board.Cell(0, 4).Color, clBlue) << "clearing leaves rows beyond the board";
    board.SetRows(6);
    EXPECT_EQ(Cells(board), QStringList({"....", "....", "....", "....", "B...", "B..."}));
}

TEST_F(BlocksTest, DesignModeShowsASampleThatFollowsTheSize) {
    Board designed(nullptr, true);
    EXPECT_TRUE(designed.DesignMode());
    EXPECT_EQ(Cells(designed), Bottom(20, {".Y.Y.Y.Y.", "R.R.R.R.R"}));
    designed.SetColumns(4);
    EXPECT_EQ(Cells(designed), Bottom(20, {".Y.Y", "R.R."}));
    designed.SetRows(5);
    EXPECT_EQ(Cells(designed), Bottom(5, {".Y.Y", "R.R."}));

    Board plain;
    plain.SetColumns(4);
    EXPECT_EQ(Cells(plain), Uniform(4, 20, '.'));
}

TEST_F(BlocksTest, AWholeGamePlaysToItsEndWithAFixedSeed) {
    SetRandSeed(2024);
    Board board;
    board.SetColumns(15);
    board.SetSize(386, 513);
    Watch(board);
    board.NewGame();

    int landings = 0;
    int lines = 0;
    int result = 0;
    for (int step = 0; step < 20000 && result != -99; ++step) {
        // A fixed pattern of player input spreads the pieces over the board.
        switch (step % 9) {
        case 1:
            board.MoveLeft();
            break;
        case 2:
            board.CycleColors();
            break;
        case 4:
            board.MoveRight();
            board.MoveRight();
            break;
        case 6:
            board.MoveLeft();
            break;
        case 7:
            if (landings % 3 == 0) board.Drop();
            break;
        }
        const int filledBefore = CountFilled(board);
        const size_t removedBefore = Deleted.size();
        result = board.StepDown();
        if (result == -99) break;
        const int removed = static_cast<int>(Deleted.size() - removedBefore);
        if (board.Piece().Y == 0) {
            ++landings;
            lines += result;
            ASSERT_EQ(CountFilled(board), filledBefore + 3 - removed);
            ASSERT_EQ(result > 0, removed > 0);
            ASSERT_LE(removed, 3 * result);
        } else {
            ASSERT_EQ(result, 0);
            ASSERT_EQ(removed, 0);
        }
        // The screen agrees with the cells everywhere but under the piece.
        const TPiece& piece = board.Piece();
        for (int col = 0; col < board.Columns(); ++col)
            for (int row = 0; row < board.Rows(); ++row) {
                if (col == piece.X && row >= piece.Y && row < piece.Y + 3) continue;
                const TBlockCell cell = board.Cell(col, row);
                const TRect box = board.CellRect(col, row);
                ASSERT_EQ(board.Canvas().Pixel(box.Left + 5, box.Top + 5),
                          cell.Filled ? cell.Color : clBlack)
                    << "step " << step << " cell " << col << "," << row;
            }
    }
    EXPECT_EQ(result, -99);
    EXPECT_EQ(GameOvers, 1);
    EXPECT_GT(landings, 20);
    EXPECT_GT(lines, 0);
    EXPECT_EQ(Cells(board), Uniform(15, 20, 'R'));
    EXPECT_TRUE(board.Playing());
}
