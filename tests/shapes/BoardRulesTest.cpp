#include "tests/shapes/BoardFixture.h"

#include "platform/numbers/Random.h"
#include "platform/numbers/SysUtils.h"

using namespace brickfall;

namespace {

class Board : public TestFolder {
protected:
    // A board of the Shapes window's size with one piece definition in play.
    void StartWith(const QStringList& pieces, int columns = 21, int rows = 28) {
        board = std::make_unique<TestBoard>();
        board->SetColumns(columns);
        board->SetRows(rows);
        board->SetBlockSize(18);
        board->SetPieces(pieces);
        log.Attach(*board);
        board->NewGame();
    }
    // The filled cells of the falling piece as "[c,r]" in scan order.
    QStringList FallingCells() const {
        QStringList cells;
        const TPiece* piece = board->CurrentPiece();
        for (int y = 1; y <= piece->Size; ++y)
            for (int x = 1; x <= piece->Size; ++x)
                if (piece->Matrix(x, y))
                    cells << QString("[%1,%2]")
                                 .arg(board->PieceX() + x - 1)
                                 .arg(board->PieceY() + y - 1);
        return cells;
    }
    std::unique_ptr<TestBoard> board = std::make_unique<TestBoard>();
    EventLog log;
};

struct Spawn {
    int x;
    int y;
    QStringList cells;
};

} // namespace

TEST_F(Board, BuiltInPiecesSpawnAtTheirTabledPlaces) {
    const std::vector<Spawn> expected{
        {10, -2, {"[11,-2]", "[11,-1]", "[11,0]", "[11,1]"}},
        {10, 0, {"[10,0]", "[11,0]", "[10,1]", "[11,1]"}},
        {10, 0, {"[10,0]", "[11,0]", "[11,1]", "[12,1]"}},
        {10, 0, {"[11,0]", "[12,0]", "[10,1]", "[11,1]"}},
        {10, 0, {"[11,0]", "[10,1]", "[11,1]", "[12,1]"}},
        {9, -1, {"[10,-1]", "[10,0]", "[10,1]", "[11,1]"}},
        {10, -1, {"[11,-1]", "[11,0]", "[10,1]", "[11,1]"}},
    };
    for (size_t i = 0; i < expected.size(); ++i) {
        StartWith({DefaultPieceStrings()[static_cast<qsizetype>(i)]});
        EXPECT_EQ(board->PieceX(), expected[i].x) << i;
        EXPECT_EQ(board->PieceY(), expected[i].y) << i;
        EXPECT_EQ(FallingCells(), expected[i].cells) << i;
    }
}

TEST_F(Board, WindowPiecesSpawnAtTheirTabledPlaces) {
    const std::vector<Spawn> expected{
        {11, -2, {"[11,-2]", "[11,-1]", "[11,0]", "[11,1]"}},
        {11, -3, {"[11,-3]", "[11,-2]", "[11,-1]", "[11,0]", "[11,1]"}},
        {10, 0, {"[10,0]", "[11,0]", "[11,1]", "[12,1]"}},
        {10, 0, {"[11,0]", "[12,0]", "[10,1]", "[11,1]"}},
        {10, 0, {"[10,0]", "[11,0]", "[10,1]", "[11,1]"}},
        {10, 0, {"[10,0]", "[10,1]", "[11,1]", "[12,1]"}},
        {10, 0, {"[12,0]", "[10,1]", "[11,1]", "[12,1]"}},
        {10, -1, {"[11,-1]", "[10,0]", "[11,0]", "[12,0]", "[11,1]"}},
        {10, -1, {"[10,-1]", "[11,0]", "[12,1]"}},
        {8, -2, {"[9,-1]"}},
        {10, 0, {"[10,0]", "[11,0]", "[11,1]"}},
        {10, 0, {"[10,0]", "[11,0]", "[12,0]", "[11,1]"}},
    };
    for (size_t i = 0; i < expected.size(); ++i) {
        StartWith({WindowPieceStrings()[static_cast<qsizetype>(i)]});
        EXPECT_EQ(board->PieceX(), expected[i].x) << i;
        EXPECT_EQ(board->PieceY(), expected[i].y) << i;
        EXPECT_EQ(FallingCells(), expected[i].cells) << i;
    }
}

TEST_F(Board, ALandingThatFillsRows27And25RemovesBothAndReportsTwoOnce) {
    // A piece of two cells with a gap between them, falling in column 3.
    StartWith({"Gap;clRed;3;010000010"}, 4, 28);
    ASSERT_EQ(FallingCells(), QStringList({"[3,-1]", "[3,1]"}));
    board->Lay({"00.0", "0..0", "00.0", "000."});
    log.events.clear();
    while (board->StepDown() == 1) {
    }
    EXPECT_EQ(log.events, std::vector<QString>({"LineFull 2", "NewPiece 0"}));
    EXPECT_EQ(board->Bottom(4), QStringList({"....", "....", "0..0", "000."}));
    EXPECT_EQ(board->EmptyRowsAtTop(), 26);
}

TEST_F(Board, ALandingThatCompletesNoRowRaisesNoLineFull) {
    StartWith({"Block;clRed;2;1111"}, 6, 10);
    log.events.clear();
    while (board->StepDown() == 1) {
    }
    EXPECT_EQ(log.events, std::vector<QString>({"NewPiece 0"}));
    EXPECT_EQ(board->Bottom(2), QStringList({"..00..", "..00.."}));
    EXPECT_EQ(board->EmptyRowsAtTop(), 8);
}

TEST_F(Board, ABoxWhoseTopIsOnRowZeroEndsTheGameEvenWithItsCellsOnTheBoard) {
    // Top row of the box empty: the cells sit on rows 1 and 2 while the box starts on 0.
    StartWith({"E;clRed;3;000010010"}, 4, 6);
    ASSERT_EQ(board->PieceY(), 0);
    ASSERT_EQ(FallingCells(), QStringList({"[3,1]", "[3,2]"}));
    board->Lay({"..0.", "..0.", "..0.", "..0."});
    log.events.clear();
    EXPECT_EQ(board->StepDown(), -1);
    EXPECT_FALSE(board->Playing());
    EXPECT_EQ(log.events, std::vector<QString>({"GameEnd", "NewPiece 0"}));
    EXPECT_EQ(board->Cell(3, 1), 1);
    EXPECT_EQ(board->Cell(3, 2), 1);
}

TEST_F(Board, AOneRowPieceBlockedAtOnceLandsOnRowOneWithoutEndingTheGame) {
    StartWith({"Bar;clRed;3;111"}, 5, 4);
    ASSERT_EQ(board->PieceY(), 1);
    ASSERT_EQ(FallingCells(), QStringList({"[2,1]", "[3,1]", "[4,1]"}));
    board->Lay({".0...", ".0...", ".0..."});
    EXPECT_EQ(board->StepDown(), 0);
    EXPECT_TRUE(board->Playing());
    EXPECT_EQ(board->Bottom(4), QStringList({".000.", ".0...", ".0...", ".0..."}));
}

TEST_F(Board, AtGameOverThePieceStillLandsItsRowsGoAndTheSpawnFollowsInThatOrder) {
    // A Stick standing in column 2 of a 2-column board lands at once, mostly above
    // the top edge, completing row 1.
    StartWith({"Stick;clWhite;4;0100010001000100"}, 2, 4);
    ASSERT_EQ(FallingCells(), QStringList({"[2,-2]", "[2,-1]", "[2,0]", "[2,1]"}));
    board->Lay({"0.", ".0", "..", ".."});
    log.events.clear();
    EXPECT_EQ(board->StepDown(), -1);
    EXPECT_EQ(log.events, std::vector<QString>({"GameEnd", "LineFull 1", "NewPiece 0"}));
    EXPECT_EQ(board->All(), QStringList({"..", ".0", "..", ".."}));
}

TEST_F(Board, SingleBlockIsInvisibleForTwoTicksAndAStickShowsOneCell) {
    StartWith({"SingleBlock;clWhite;2;0001"});
    EXPECT_EQ(FallingCells(), QStringList({"[9,-1]"}));
    EXPECT_EQ(board->StepDown(), 1);
    EXPECT_EQ(FallingCells(), QStringList({"[9,0]"}));
    EXPECT_EQ(board->StepDown(), 1);
    EXPECT_EQ(FallingCells(), QStringList({"[9,1]"}));
    EXPECT_EQ(board->Canvas().Pixel(8 * 18 + 1, 1), clWhite);
}

TEST_F(Board, DropLeavesThePieceFallingOnTheLowestRowItCanReach) {
    StartWith({"Block;clRed;2;1111"}, 6, 10);
    log.events.clear();
    EXPECT_TRUE(board->Drop());
    EXPECT_EQ(board->PieceY(), 9);
    EXPECT_TRUE(log.events.empty());
    EXPECT_EQ(board->EmptyRowsAtTop(), 10);
    // Still movable before the next step lands it.
    EXPECT_TRUE(board->MoveLeft());
    // Dropping a piece that already rests leaves it where it is, still falling.
    EXPECT_TRUE(board->Drop());
    EXPECT_EQ(board->PieceY(), 9);
    EXPECT_EQ(board->PieceX(), 2);
    EXPECT_TRUE(log.events.empty());
    EXPECT_EQ(board->StepDown(), 0);
    EXPECT_EQ(board->Bottom(2), QStringList({".00...", ".00..."}));
}

TEST_F(Board, DropThenOneStepEndsLikeStepsUntilTheLanding) {
    // The same seeded game twice, landing each piece by steps or by a drop and one
    // step; the board must look the same after every landing.
    auto play = [](bool drop) {
        std::vector<QStringList> boards;
        SetRandSeed(777);
        TestBoard b;
        b.SetColumns(10);
        b.SetRows(16);
        b.SetPieces(WindowPieceStrings());
        b.NewGame();
        for (int piece = 0; piece < 40 && b.Playing(); ++piece) {
            for (int i = 0; i < piece % 5; ++i)
                piece % 2 ? b.MoveLeft() : b.MoveRight();
            if (piece % 3 == 0) b.Rotate(1);
            if (drop) {
                b.Drop();
                b.StepDown();
            } else {
                while (b.StepDown() == 1) {
                }
            }
            boards.push_back(b.All());
        }
        return boards;
    };
    const auto stepped = play(false);
    EXPECT_GT(stepped.size(), 5u);
    EXPECT_EQ(stepped, play(true));
}

TEST_F(Board, MovesAndTurnsAreRefusedAtWallsAndAllowedAboveTheTopEdge) {
    StartWith({"Stick;clWhite;4;0100010001000100"}, 4, 6);
    ASSERT_EQ(FallingCells(), QStringList({"[3,-2]", "[3,-1]", "[3,0]", "[3,1]"}));
    EXPECT_TRUE(board->MoveLeft());
    EXPECT_TRUE(board->MoveLeft());
    EXPECT_FALSE(board->MoveLeft());
    EXPECT_EQ(FallingCells(), QStringList({"[1,-2]", "[1,-1]", "[1,0]", "[1,1]"}));
    // Lying down would need column 0: refused, and there are no wall kicks.
    board->Rotate(1);
    EXPECT_EQ(FallingCells(), QStringList({"[1,-2]", "[1,-1]", "[1,0]", "[1,1]"}));
    EXPECT_TRUE(board->MoveRight());
    // Lying wholly above the top edge is fine as long as the columns are on the board->
    board->Rotate(1);
    EXPECT_EQ(FallingCells(), QStringList({"[1,-1]", "[2,-1]", "[3,-1]", "[4,-1]"}));
    // The bar wanders inside its box: the next turn stands it in the box's column 3.
    board->Rotate(1);
    EXPECT_EQ(FallingCells(), QStringList({"[3,-2]", "[3,-1]", "[3,0]", "[3,1]"}));
    EXPECT_TRUE(board->MoveRight());
    EXPECT_FALSE(board->MoveRight());
    board->Rotate(1);
    EXPECT_EQ(FallingCells(), QStringList({"[4,-2]", "[4,-1]", "[4,0]", "[4,1]"}));
}

TEST_F(Board, SizePropertiesClampAndAreIgnoredWhilePlaying) {
    EXPECT_EQ(board->Width(), 145);
    EXPECT_EQ(board->Height(), 321);
    board->SetRows(60);
    EXPECT_EQ(board->Rows(), 50);
    board->SetRows(1);
    EXPECT_EQ(board->Rows(), 2);
    board->SetColumns(31);
    EXPECT_EQ(board->Columns(), 30);
    board->SetColumns(0);
    EXPECT_EQ(board->Columns(), 2);
    board->SetColumns(21);
    board->SetRows(28);
    board->SetBlockSize(18);
    EXPECT_EQ(board->Width(), 379);
    EXPECT_EQ(board->Height(), 505);

    board->NewGame();
    board->SetRows(10);
    board->SetColumns(5);
    board->SetBlockSize(4);
    board->SetPieces({"Block;clRed;2;1111"});
    EXPECT_EQ(board->Rows(), 28);
    EXPECT_EQ(board->Columns(), 21);
    EXPECT_EQ(board->BlockSize(), 18);
    EXPECT_EQ(board->Width(), 379);
    EXPECT_EQ(board->Pieces(), DefaultPieceStrings());
}

TEST_F(Board, NothingIsWrittenBesideANarrowBoard) {
    // Five cells wide on a two-column board: the spawn hangs over both sides.
    StartWith({"W;clRed;5;11111"}, 2, 5);
    ASSERT_EQ(FallingCells(), QStringList({"[0,1]", "[1,1]", "[2,1]", "[3,1]", "[4,1]"}));
    log.events.clear();
    EXPECT_EQ(board->StepDown(), 0);
    EXPECT_EQ(log.events, std::vector<QString>({"LineFull 1", "NewPiece 0"}));
    for (int r = 0; r <= 5; ++r)
        for (int c : {0, 3, 4})
            EXPECT_EQ(board->Cell(c, r), 0) << c << "," << r;
}

TEST_F(Board, NothingHappensBeforeTheFirstGameOrAfterTheLastOne) {
    EXPECT_EQ(board->StepDown(), 0);
    EXPECT_TRUE(board->Drop());
    EXPECT_FALSE(board->MoveLeft());
    board->Rotate(1);
    EXPECT_EQ(board->EmptyRowsAtTop(), 20);

    StartWith({"Block;clRed;2;1111"}, 4, 4);
    int guard = 0;
    while (board->Playing() && guard++ < 100)
        board->Drop(), board->StepDown();
    ASSERT_FALSE(board->Playing());
    const QImage before = board->Image();
    const int x = board->PieceX();
    EXPECT_FALSE(board->MoveLeft());
    EXPECT_FALSE(board->MoveRight());
    board->Rotate(1);
    EXPECT_EQ(board->PieceX(), x);
    EXPECT_EQ(board->Image(), before);
}

TEST_F(Board, NewGameFailuresLeaveTheBoardClearedAndNotPlaying) {
    StartWith({"Block;clRed;2;1111"}, 6, 6);
    board->Drop();
    board->StepDown();
    ASSERT_NE(board->EmptyRowsAtTop(), 6);
    // Pieces cannot change while playing: end the game first.
    while (board->Playing())
        board->Drop(), board->StepDown();
    board->SetPieces({"X;clRed;2;0000"});
    EXPECT_THROW(board->NewGame(), Exception);
    EXPECT_FALSE(board->Playing());
    EXPECT_EQ(board->EmptyRowsAtTop(), 6);
}

TEST_F(Board, AWholeGamePlaysToItsEndWithAFixedSeed) {
    SetRandSeed(2024);
    StartWith(WindowPieceStrings());
    int lines = 0;
    int spawns = 0;
    int ends = 0;
    board->SetOnLineFull([&](TBrickfall*, int n) {
        EXPECT_GE(n, 1);
        EXPECT_LE(n, 5);
        lines += n;
    });
    board->SetOnNewPiece([&](TBrickfall* sender, int piece) {
        EXPECT_EQ(sender, board.get());
        EXPECT_GE(piece, 0);
        EXPECT_LT(piece, 12);
        ++spawns;
    });
    board->SetOnGameEnd([&](TBrickfall*) { ++ends; });
    int ticks = 0;
    int result = 1;
    while (result != -1 && ticks < 100000) {
        // Spread pieces over the board so rows fill and vanish now and then.
        const int shift = Random(21) - 10;
        for (int i = 0; i < std::abs(shift); ++i)
            shift < 0 ? board->MoveLeft() : board->MoveRight();
        if (Random(2)) board->Rotate(1);
        result = board->StepDown();
        ++ticks;
    }
    EXPECT_EQ(result, -1);
    EXPECT_EQ(ends, 1);
    EXPECT_GT(spawns, 10);
    EXPECT_FALSE(board->Playing());
    // Every settled cell lies on the board and no row is left full.
    for (int r = 1; r <= board->Rows(); ++r) {
        int filled = 0;
        for (int c = 1; c <= board->Columns(); ++c)
            filled += board->Cell(c, r) != 0;
        EXPECT_LT(filled, board->Columns());
    }
}
