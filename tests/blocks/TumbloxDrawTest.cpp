#include "tests/blocks/BoardFixture.h"

#include <QImage>

using namespace tumblox;

namespace {

// The pixels of a rectangle as letters: the block letters of the fixtures, 'k'
// black, 'W' white, 'g' grey, 'G' lime, ' ' never painted.
QStringList Pixels(const Board& board, int left, int top, int right, int bottom) {
    QStringList rows;
    for (int y = top; y < bottom; ++y) {
        QString row;
        for (int x = left; x < right; ++x) {
            const TColor c = board.Canvas().Pixel(x, y);
            if (!board.Canvas().IsPainted(x, y))
                row += ' ';
            else if (c == clBlack)
                row += 'k';
            else if (c == clGray)
                row += 'g';
            else
                row += LetterOf(c);
        }
        rows << row;
    }
    return rows;
}

// Cell (1, 1) of a 4 x 4 board of 40 x 40 pixels spans 10..19 both ways; the
// pictures show 9..20, one pixel of the neighbours all round.
QStringList DrawnCell(Board& board, TColor color) {
    board.DrawCell(1, 1, color);
    return Pixels(board, 9, 9, 21, 21);
}

QStringList Repeat(const QString& row, int count) {
    return QStringList(count, row);
}

std::vector<int> ColumnEdges(const Board& board) {
    std::vector<int> edges;
    for (int col = 0; col < board.Columns(); ++col)
        edges.push_back(board.CellRect(col, 0).Left);
    edges.push_back(board.CellRect(board.Columns() - 1, 0).Right);
    return edges;
}

std::vector<int> RowEdges(const Board& board) {
    std::vector<int> edges;
    for (int row = 0; row < board.Rows(); ++row)
        edges.push_back(board.CellRect(0, row).Top);
    edges.push_back(board.CellRect(0, board.Rows() - 1).Bottom);
    return edges;
}

class BlocksDrawTest : public BlocksTest {
protected:
    // Created after the fixture has fixed the random seed.
    void SetUp() override {
        BlocksTest::SetUp();
        owned = std::make_unique<Board>();
        board = owned.get();
        board->SetColumns(4);
        board->SetRows(4);
        board->SetSize(40, 40);
    }
    std::unique_ptr<Board> owned;
    Board* board = nullptr;
};

} // namespace

TEST_F(BlocksTest, BlocksWindowBoardHasItsExactCellEdges) {
    Board board;
    board.SetColumns(15);
    board.SetBlockType(btButton);
    board.SetSize(386, 513);
    const std::vector<int> columns = {0,   26,  51,  77,  103, 129, 154, 180,
                                      206, 232, 257, 283, 309, 335, 360, 386};
    const std::vector<int> rows = {0,   26,  51,  77,  103, 128, 154, 180, 205, 231, 256,
                                   282, 308, 333, 359, 385, 410, 436, 462, 487, 513};
    EXPECT_EQ(ColumnEdges(board), columns);
    EXPECT_EQ(RowEdges(board), rows);

    // On screen: each button's white left column and top row start a cell.
    for (int col = 0; col < 15; ++col)
        for (int row = 0; row < 20; ++row)
            board.SetCell(col, row, clBlue);
    board.Paint();
    std::vector<int> whiteColumns;
    for (int x = 0; x < board.Width(); ++x)
        if (board.Canvas().Pixel(x, 13) == clWhite) whiteColumns.push_back(x);
    whiteColumns.push_back(board.Width());
    EXPECT_EQ(whiteColumns, columns);
    std::vector<int> whiteRows;
    for (int y = 0; y < board.Height(); ++y)
        if (board.Canvas().Pixel(13, y) == clWhite) whiteRows.push_back(y);
    whiteRows.push_back(board.Height());
    EXPECT_EQ(whiteRows, rows);
    EXPECT_EQ(board.Canvas().Pixel(385, 512), clGray);

    board.SetColumns(4);
    EXPECT_EQ(ColumnEdges(board), (std::vector<int>{0, 96, 193, 290, 386}))
        << "96.5-pixel cells: halves go to the even neighbour";

    // Only exact halves go to the even neighbour: a float cell size times its index
    // that lies a hair above a half rounds up (386 / 12 x 3 is 96.5000019).
    board.SetColumns(12);
    EXPECT_EQ(ColumnEdges(board)[3], 97);
    board.SetColumns(20);
    EXPECT_EQ(ColumnEdges(board)[15], 289);
}

TEST_F(BlocksDrawTest, NormalBlocksDrawBorderAndInnerSquare) {
    board->SetDrawBorder(true);
    board->SetDrawInner(true);
    EXPECT_EQ(DrawnCell(*board, clRed), QStringList({"kkkkkkkkkkkk"}) + Repeat("kRRRRRRRRRkk", 9) +
                                            Repeat("kkkkkkkkkkkk", 2));
    board->SetDrawInner(false);
    EXPECT_EQ(DrawnCell(*board, clRed),
              QStringList({"kkkkkkkkkkkk", "kRRRRRRRRRkk"}) + Repeat("kRkkkkkkkRkk", 7) +
                  QStringList({"kRRRRRRRRRkk", "kkkkkkkkkkkk", "kkkkkkkkkkkk"}));
    board->SetDrawBorder(false);
    board->SetDrawInner(true);
    EXPECT_EQ(DrawnCell(*board, clRed),
              Repeat("kkkkkkkkkkkk", 2) + Repeat("kkRRRRRRRkkk", 7) + Repeat("kkkkkkkkkkkk", 3));
    board->SetDrawInner(false);
    EXPECT_EQ(DrawnCell(*board, clRed), Repeat("kkkkkkkkkkkk", 12));
}

TEST_F(BlocksDrawTest, ButtonBlocksHaveARaisedBevelWhateverDrawInnerSays) {
    board->SetBlockType(btButton);
    board->SetDrawBorder(true);
    const QStringList bordered = QStringList({"kkkkkkkkkkkk", "kWWWWWWWWWgk"}) +
                                 Repeat("kWRRRRRRRRgk", 8) +
                                 QStringList({"kWgggggggggk", "kkkkkkkkkkkk"});
    EXPECT_EQ(DrawnCell(*board, clRed), bordered);
    board->SetDrawInner(false);
    EXPECT_EQ(DrawnCell(*board, clRed), bordered);

    // Without a border the ring between bevel and fill keeps what lay beneath.
    QImage lime(1, 1, QImage::Format_RGB32);
    lime.fill(QColor(0, 255, 0));
    board->SetbackPicture(lime);
    board->SetDrawBorder(false);
    EXPECT_EQ(DrawnCell(*board, clRed),
              QStringList({"GGGGGGGGGGGG", "GWWWWWWWWWgG", "GWGGGGGGGGgG"}) +
                  Repeat("GWGRRRRRRGgG", 6) +
                  QStringList({"GWGGGGGGGGgG", "GWgggggggggG", "GGGGGGGGGGGG"}));
}

TEST_F(BlocksDrawTest, RoundBlocksDrawRingAndDisc) {
    board->SetBlockType(btRound);
    auto at = [this](int x, int y) { return board->Canvas().Pixel(x, y); };
    board->SetDrawBorder(true);
    board->SetDrawInner(true);
    board->DrawCell(1, 1, clRed);
    EXPECT_EQ(at(15, 10), clRed);
    EXPECT_EQ(at(15, 15), clRed);
    EXPECT_EQ(at(10, 10), clBlack);
    EXPECT_EQ(at(19, 19), clBlack);

    board->SetDrawInner(false);
    board->DrawCell(1, 1, clRed);
    EXPECT_EQ(at(15, 10), clRed);
    EXPECT_EQ(at(10, 15), clRed);
    EXPECT_EQ(at(15, 15), clBlack) << "the ring encloses the background colour";

    board->SetDrawBorder(false);
    board->SetDrawInner(true);
    board->DrawCell(1, 1, clRed);
    EXPECT_EQ(at(15, 10), clBlack);
    EXPECT_EQ(at(15, 11), clRed);
    EXPECT_EQ(at(15, 15), clRed);

    board->SetDrawInner(false);
    EXPECT_EQ(DrawnCell(*board, clRed), Repeat("kkkkkkkkkkkk", 12));
}

TEST_F(BlocksDrawTest, BackgroundColourClearsTheWholeCellInEveryLook) {
    board->SetBackgroundcolor(clBlue);
    board->SetDrawBorder(true);
    for (TBlockType look : {btNormal, btRound, btButton}) {
        board->SetBlockType(look);
        board->DrawCell(1, 1, clRed);
        EXPECT_EQ(DrawnCell(*board, clBlue), Repeat("BBBBBBBBBBBB", 12)) << look;
        board->SetCell(1, 1, clBlue);
        EXPECT_FALSE(board->Cell(1, 1).Filled);
        board->Paint();
        EXPECT_EQ(Pixels(*board, 9, 9, 21, 21), Repeat("BBBBBBBBBBBB", 12)) << look;
    }
}

TEST_F(BlocksDrawTest, PictureBackgroundIsStretchedAndALeftCellShowsTheColour) {
    {
        QImage picture(2, 2, QImage::Format_RGB32);
        picture.setPixelColor(0, 0, QColor(0, 255, 0));
        picture.setPixelColor(1, 0, QColor(255, 255, 0));
        picture.setPixelColor(0, 1, QColor(255, 255, 255));
        picture.setPixelColor(1, 1, QColor(255, 0, 255));
        board->SetbackPicture(picture);
    } // the board keeps its own copy
    EXPECT_EQ(board->BackGroundType(), btPicture);
    EXPECT_EQ(Pixels(*board, 0, 0, 40, 40)[5], QString(20, 'G') + QString(20, 'Y'));
    EXPECT_EQ(Pixels(*board, 0, 0, 40, 40)[35], QString(20, 'W') + QString(20, 'F'));

    board->NewGame();
    board->EditPiece().SetPosition(1, 0);
    SetPiece(*board, "RBR");
    board->Paint();
    board->StepDown();
    EXPECT_EQ(Pixels(*board, 10, 5, 20, 6), QStringList({"kkkkkkkkkk"}))
        << "the cell the piece left is cleared to the background colour";
    EXPECT_EQ(Pixels(*board, 0, 5, 10, 6), QStringList({"GGGGGGGGGG"}));
    board->Paint();
    EXPECT_EQ(Pixels(*board, 10, 5, 20, 6), QStringList({"GGGGGGGGGG"}));
}

TEST_F(BlocksDrawTest, EmptyPictureLetsTheSurfaceBeneathShow) {
    board->SetCell(0, 3, clYellow);
    board->SetbackPicture(QImage());
    EXPECT_EQ(Pixels(*board, 0, 33, 20, 34), QStringList({" YYYYYYY" + QString(12, ' ')}));
    board->SetCell(0, 3, clBlack);
    board->Paint();
    EXPECT_EQ(Pixels(*board, 0, 33, 20, 34), QStringList({QString(20, ' ')}))
        << "a removed block leaves nothing behind";
}

TEST_F(BlocksDrawTest, PaintShowsCellsAndThePieceOnlyOncePlaying) {
    board->SetBackgroundcolor(clNavy);
    board->SetCell(0, 3, clYellow);
    SetPiece(*board, "RBW");
    board->EditPiece().SetPosition(2, 0);
    board->Paint();
    const TColor corner = board->Canvas().Pixel(0, 0);
    EXPECT_EQ(corner, clNavy);
    EXPECT_EQ(board->Canvas().Pixel(39, 39), clNavy);
    EXPECT_EQ(board->Canvas().Pixel(5, 35), clYellow);
    EXPECT_EQ(board->Canvas().Pixel(25, 5), clNavy) << "no piece before the first NewGame";

    board->NewGame();
    board->EditPiece().SetPosition(2, 0);
    board->Paint();
    EXPECT_EQ(board->Canvas().Pixel(25, 5), clRed);
    EXPECT_EQ(board->Canvas().Pixel(25, 15), clBlue);
    EXPECT_EQ(board->Canvas().Pixel(25, 25), clWhite);
    EXPECT_EQ(board->Canvas().Pixel(5, 35), clNavy) << "NewGame cleared the board";
}

TEST_F(BlocksDrawTest, MovesEraseThePieceWhereItWasAndDrawItWhereItGoes) {
    board->NewGame();
    board->EditPiece().SetPosition(2, 0);
    SetPiece(*board, "RBY");
    board->Paint();
    auto column = [this](int col) {
        QString text;
        for (int row = 0; row < 4; ++row) {
            const TColor c = board->Canvas().Pixel(col * 10 + 5, row * 10 + 5);
            text += c == clBlack ? QChar('k') : LetterOf(c);
        }
        return text;
    };
    EXPECT_EQ(column(2), "RBYk");
    board->StepDown();
    EXPECT_EQ(column(2), "kRBY");
    board->MoveLeft();
    EXPECT_EQ(column(2), "kkkk");
    EXPECT_EQ(column(1), "kRBY");
    board->CycleColors();
    EXPECT_EQ(column(1), "kBYR");
    board->MoveRight();
    board->MoveRight();
    EXPECT_EQ(column(1), "kkkk");
    EXPECT_EQ(column(3), "kBYR");
}
