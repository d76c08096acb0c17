#include "tests/shapes/BoardFixture.h"

#include "platform/numbers/Random.h"
#include "platform/numbers/SysUtils.h"

using namespace brickfall;

namespace {

class Pieces : public TestFolder {
protected:
    // Builds the pieces of the given definitions on a fresh board.
    const TPiece& Build(const QString& definition) {
        board.SetPieces({definition});
        EXPECT_TRUE(board.InitPieces());
        EXPECT_EQ(board.PieceCount(), 1);
        return *board.ListedPiece(0);
    }
    TestBoard board;
};

} // namespace

TEST(GetField, SplitsAtTheSeparatorAndGivesEmptyTextForMissingFields) {
    EXPECT_EQ(GetField("Block;clRed;2;1111", ";", 1), "Block");
    EXPECT_EQ(GetField("Block;clRed;2;1111", ";", 4), "1111");
    EXPECT_EQ(GetField("Block;clRed;2;1111", ";", 5), "");
    EXPECT_EQ(GetField("Block;clRed;2;1111", ";", 0), "");
    EXPECT_EQ(GetField(";;x", ";", 3), "x");
    EXPECT_EQ(GetField("", ";", 1), "");
}

TEST_F(Pieces, DefinitionFieldsFollowTheTableOfExamples) {
    const TPiece& z = Build("Z;clLime;3;110011000");
    EXPECT_EQ(Shape(z.Matrix, 3), QStringList({"##.", ".##", "..."}));
    EXPECT_EQ(z.Color, clLime);
    EXPECT_EQ(z.Name, "Z");
    EXPECT_EQ(Shape(Build("ForwardZ;clRed;3;110011000000").Matrix, 3),
              QStringList({"##.", ".##", "..."}));
    EXPECT_EQ(Shape(Build("X;clRed;3;11").Matrix, 3), QStringList({"##.", "...", "..."}));

    const TPiece& nonsense = Build("X;nonsense;2;1111");
    EXPECT_EQ(nonsense.Color, clWhite);
    EXPECT_EQ(Shape(nonsense.Matrix, 2), QStringList({"##", "##"}));

    const TPiece& seven = Build("X;clRed;seven;1");
    EXPECT_EQ(seven.Size, 4);
    EXPECT_EQ(Shape(seven.Matrix, 4), QStringList({"#...", "....", "....", "...."}));
    EXPECT_EQ(Build("X;clRed;9;1").Size, 5);
    EXPECT_EQ(Build("X;clRed;0;1").Size, 1);
    EXPECT_EQ(Build("X;CLRED;2;1111").Color, clRed);
    EXPECT_EQ(Build("X;255;2;1111").Color, RGB(255, 0, 0));
    EXPECT_EQ(Build("KillerDiag;$000080FF;4;1000010000100000").Color, RGB(255, 128, 0));
    EXPECT_EQ(Build("X;clRed;2;1111;anything").Size, 2);
}

TEST_F(Pieces, APieceInTheBackgroundColourGetsARandomOtherColour) {
    for (uint32_t seed : {1u, 2u, 3u, 99u}) {
        SetRandSeed(seed);
        const TPiece& piece = Build("X;clBlack;2;1111");
        EXPECT_NE(piece.Color, clBlack);
        EXPECT_LE(piece.Color, 0xFFFFFEu);
    }
}

TEST_F(Pieces, EmptyListsAndEmptyMatricesRaiseTheirMessages) {
    auto messageOf = [&](const QStringList& list) {
        board.SetPieces(list);
        try {
            board.InitPieces();
        } catch (const Exception& e) {
            return e.Message();
        }
        return QString("no error");
    };
    EXPECT_EQ(messageOf({}), "No pieces to initialize.");
    EXPECT_EQ(messageOf({"", ""}), "No pieces to initialize.");
    EXPECT_EQ(messageOf({"X;clRed;3;000000000111"}),
              "Piece 0 defines an empty matrix: \"000000000111\".");
    EXPECT_EQ(messageOf({"", "Y;clRed;2;00"}), "Piece 1 defines an empty matrix: \"00\".");

    // The choice of list comes first: an empty custom list is not rescued by the
    // built-in set being there.
    board.SetUseDefaultPieces(false);
    EXPECT_EQ(messageOf({}), "No pieces to initialize.");
    board.SetUseDefaultPieces(true);
    EXPECT_EQ(messageOf({}), "no error");
    EXPECT_EQ(board.PieceCount(), 7);
}

TEST_F(Pieces, AnEmptyStringIsSkippedAndShiftsTheIndexes) {
    board.SetPieces({"", "Block;clRed;2;1111"});
    ASSERT_TRUE(board.InitPieces());
    ASSERT_EQ(board.PieceCount(), 1);
    EXPECT_EQ(board.ListedPiece(0)->Name, "Block");
}

TEST(Rotation, TurnsInsideTheBoxWithoutRealigning) {
    const TPieceMatrix t = StringToMatrix("010111000", 3);
    EXPECT_EQ(Shape(RotateMatrix(t, 3, 1), 3), QStringList({".#.", ".##", ".#."}));
    EXPECT_EQ(Shape(RotateMatrix(t, 3, 0), 3), QStringList({".#.", "##.", ".#."}));

    const TPieceMatrix stick = StringToMatrix("0100010001000100", 4);
    const TPieceMatrix once = RotateMatrix(stick, 4, 1);
    EXPECT_EQ(Shape(once, 4), QStringList({"....", "####", "....", "...."}));
    EXPECT_EQ(Shape(RotateMatrix(once, 4, 1), 4), QStringList({"..#.", "..#.", "..#.", "..#."}));

    for (int direction : {0, 1}) {
        TPieceMatrix m = StringToMatrix("1101100101000010010000001", 5);
        const TPieceMatrix original = m;
        for (int i = 0; i < 4; ++i)
            m = RotateMatrix(m, 5, direction);
        EXPECT_EQ(m, original);
    }
    EXPECT_EQ(RotateMatrix(RotateMatrix(t, 3, 1), 3, 0), t);
}
