#include "tests/shapes/BoardFixture.h"

#include "platform/numbers/SysUtils.h"

using namespace brickfall;

namespace {

class Drawing : public TestFolder {
protected:
    void SetUp() override {
        TestFolder::SetUp();
        board.SetColumns(21);
        board.SetRows(28);
        board.SetBlockSize(18);
        board.SetPieces({"Red;clRed;2;1111", "Lime;clLime;2;1111"});
        board.InitPieces();
    }
    TColor At(int x, int y) const { return board.Canvas().Pixel(x, y); }
    // Whether every pixel of the inclusive box has the colour.
    bool Solid(int x1, int y1, int x2, int y2, TColor color) const {
        for (int x = x1; x <= x2; ++x)
            for (int y = y1; y <= y2; ++y)
                if (At(x, y) != color) return false;
        return true;
    }
    int Count(TColor color) const {
        int n = 0;
        for (int x = 0; x < board.Width(); ++x)
            for (int y = 0; y < board.Height(); ++y)
                n += At(x, y) == color;
        return n;
    }
    TestBoard board;
};

} // namespace

TEST_F(Drawing, CellsSitInsideTheLatticeAtBlockSize18) {
    QStringList rows(28, QString(21, '.'));
    rows[0][0] = '0';
    rows[27][20] = '1';
    board.Lay(rows);
    board.Paint();
    EXPECT_EQ(board.Width(), 379);
    EXPECT_EQ(board.Height(), 505);
    EXPECT_TRUE(Solid(1, 1, 17, 17, clRed));
    EXPECT_TRUE(Solid(361, 487, 377, 503, clLime));
    EXPECT_EQ(Count(clRed), 17 * 17);
    EXPECT_EQ(Count(clLime), 17 * 17);
    // Lattice lines and the border stay in the background colour.
    for (int k = 0; k <= 21; ++k)
        EXPECT_TRUE(Solid(k * 18, 0, k * 18, 504, clBlack)) << k;
    for (int k = 0; k <= 28; ++k)
        EXPECT_TRUE(Solid(0, k * 18, 378, k * 18, clBlack)) << k;
    EXPECT_TRUE(board.Canvas().IsPainted(378, 504));
}

TEST_F(Drawing, GridDotsMarkOnlyTheInnerCrossings) {
    board.SetDrawGrid(true);
    EXPECT_EQ(Count(clWhite), 540);
    EXPECT_EQ(At(18, 18), clWhite);
    EXPECT_EQ(At(360, 486), clWhite);
    for (int k = 0; k <= 21; ++k) {
        EXPECT_EQ(At(k * 18, 0), clBlack);
        EXPECT_EQ(At(k * 18, 504), clBlack);
    }
    for (int k = 0; k <= 28; ++k) {
        EXPECT_EQ(At(0, k * 18), clBlack);
        EXPECT_EQ(At(378, k * 18), clBlack);
    }
    board.SetGridColor(clYellow);
    EXPECT_EQ(Count(clYellow), 540);
    board.SetDrawGrid(false);
    EXPECT_EQ(Count(clYellow), 0);
    EXPECT_EQ(Count(clBlack), 379 * 505);
}

TEST_F(Drawing, ChangingTheColourRepaintsGapsAndEmptyCellsAtOnce) {
    board.Lay({QString(21, '0')});
    board.SetColor(clNavy);
    EXPECT_EQ(At(0, 0), clNavy);
    EXPECT_EQ(At(18, 100), clNavy);
    EXPECT_EQ(At(5, 5), clNavy);
    EXPECT_TRUE(Solid(1, 487, 17, 503, clRed));
    EXPECT_EQ(At(18, 495), clNavy);
}

TEST_F(Drawing, APieceAboveTheTopEdgeShowsOnlyItsCellsOnTheBoard) {
    board.SetPieces({"Stick;clWhite;4;0100010001000100"});
    board.NewGame();
    board.Paint();
    // Cells [11,-2]..[11,1]: only row 1 lies on the board.
    EXPECT_EQ(Count(clWhite), 17 * 17);
    EXPECT_TRUE(Solid(181, 1, 197, 17, clWhite));
}

TEST_F(Drawing, AMoveErasesTheOldSquaresAndDrawsTheNewOnes) {
    board.SetPieces({"Block;clRed;2;1111"});
    board.NewGame();
    board.StepDown(); // cells [10,1], [11,1], [10,2], [11,2]
    EXPECT_TRUE(Solid(163, 1, 179, 17, clRed));
    EXPECT_TRUE(Solid(181, 19, 197, 35, clRed));
    ASSERT_TRUE(board.MoveLeft());
    EXPECT_TRUE(Solid(145, 1, 161, 17, clRed));
    EXPECT_TRUE(Solid(163, 19, 179, 35, clRed));
    EXPECT_TRUE(Solid(181, 1, 197, 35, clBlack));
    // The lattice gaps between the squares are never painted by a piece.
    EXPECT_TRUE(Solid(162, 0, 162, 36, clBlack));
    EXPECT_TRUE(Solid(144, 18, 180, 18, clBlack));
    EXPECT_EQ(Count(clRed), 4 * 17 * 17);
}

TEST_F(Drawing, DrawPieceAtPaintsTheListedPieceOntoAnotherCanvas) {
    board.SetPieces(DefaultPieceStrings());
    board.InitPieces();
    QImage image(153, 89, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    TCanvas canvas(&image);
    board.DrawPieceAt(canvas, 1, 1, 0); // the Stick, standing in its box's column 2
    int painted = 0;
    for (int x = 0; x < 153; ++x)
        for (int y = 0; y < 89; ++y)
            if (canvas.IsPainted(x, y)) {
                ++painted;
                EXPECT_TRUE(x >= 19 && x <= 35) << x << "," << y;
                EXPECT_EQ(canvas.Pixel(x, y), clWhite);
            }
    EXPECT_EQ(painted, 4 * 17 * 17);
    EXPECT_FALSE(canvas.IsPainted(19, 18));
    EXPECT_TRUE(canvas.IsPainted(19, 71));
    EXPECT_FALSE(canvas.IsPainted(19, 72));

    try {
        board.DrawPieceAt(canvas, 1, 1, 7);
        ADD_FAILURE() << "no error for a bad index";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (7)");
    }
    EXPECT_THROW(board.DrawPieceAt(canvas, 1, 1, -1), Exception);
}

TEST_F(Drawing, AtBlockSize1OnlyTheBackgroundAndTheDotsShow) {
    board.SetBlockSize(1);
    QStringList rows(28, QString(21, '0'));
    board.Lay(rows);
    board.SetDrawGrid(true);
    EXPECT_EQ(board.Width(), 22);
    EXPECT_EQ(board.Height(), 29);
    EXPECT_EQ(Count(clRed), 0);
    EXPECT_EQ(Count(clWhite), 540);
    EXPECT_EQ(Count(clBlack), 22 * 29 - 540);
}
