#include "shapes/Brickfall.h"

#include "platform/numbers/Random.h"
#include "platform/numbers/SysUtils.h"

#include <algorithm>
#include <new>

namespace brickfall {

const QStringList& DefaultPieceStrings() {
    static const QStringList strings{
        "Stick;clWhite;4;0100010001000100",
        "Block;clRed;2;1111",
        "Z;clLime;3;110011000",
        "S;clAqua;3;011110000",
        "T;clFuchsia;3;010111000",
        "L;clBlue;3;010010011",
        "Inverse L;clYellow;3;010010110",
    };
    return strings;
}

const QStringList& WindowPieceStrings() {
    static const QStringList strings{"Line;clBlue;4;1000100010001000",
                                     "LongLine;clNavy;5;1000010000100001000010000",
                                     "ForwardZ;clRed;3;110011000000",
                                     "BackZ;clYellow;3;011110000000",
                                     "Square;clPurple;2;1111",
                                     "L;clAqua;3;100111000000",
                                     "InverseL06;clLime;3;001111000000",
                                     "KillerCross;clGray;3;010111010000",
                                     "KillerDiag;$000080FF;4;1000010000100000",
                                     "SingleBlock;clWhite;2;0001",
                                     "DiagKiller;$00FF8080;2;1101",
                                     "T;clFuchsia;3;111010000000"};
    return strings;
}

TBrickfall::TBrickfall(QWidget* parent)
    : TGraphicControl(parent), FDefaultPieces(DefaultPieceStrings()), FPieces(FDefaultPieces) {
    SetBlockSize(16);
}

TBrickfall::~TBrickfall() {
    FreePieces();
}

void TBrickfall::SetColor(TColor value) {
    FColor = value;
    Paint();
}

void TBrickfall::SetGridColor(TColor value) {
    FGridColor = value;
    Paint();
}

void TBrickfall::SetBlockSize(int value) {
    if (FPlaying) return;
    FBlockSize = value;
    SetSize(FColumns * FBlockSize + 1, FRows * FBlockSize + 1);
}

void TBrickfall::SetRows(int value) {
    if (FPlaying) return;
    FRows = std::clamp(value, 2, MaxRows);
    SetHeight(FRows * FBlockSize + 1);
}

void TBrickfall::SetColumns(int value) {
    if (FPlaying) return;
    FColumns = std::clamp(value, 2, MaxColumns);
    SetWidth(FColumns * FBlockSize + 1);
}

void TBrickfall::SetDrawGrid(bool value) {
    FDrawGrid = value;
    Paint();
}

void TBrickfall::SetPieces(const QStringList& value) {
    if (!FPlaying) FPieces = value;
}

const TPiece* TBrickfall::ListedPiece(int index) const {
    if (index < 0 || index >= PieceCount()) return nullptr;
    return FPieceList[static_cast<size_t>(index)].get();
}

void TBrickfall::FreePieces() {
    while (!FPieceList.empty())
        FPieceList.pop_back();
}

bool TBrickfall::InitPieces() {
    const QStringList& source = FUseDefaultPieces ? FDefaultPieces : FPieces;
    try {
        FreePieces();
        FPieceList.reserve(static_cast<size_t>(source.size()));
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (source.isEmpty()) throw Exception("No pieces to initialize.");
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QString& definition = source[i];
        if (definition.isEmpty()) continue;
        auto piece = std::make_unique<TPiece>();
        piece->Name = GetField(definition, ";", 1);

        const QString colorField = GetField(definition, ";", 2);
        if (const auto named = IdentToColor(colorField))
            piece->Color = *named;
        else if (const auto number = ParseInt(colorField))
            piece->Color = static_cast<TColor>(*number);
        else
            piece->Color = clWhite;
        // A piece in the background colour would be invisible.
        while (piece->Color == FColor)
            piece->Color = static_cast<TColor>(Random(0xFFFFFF));

        piece->Size = std::clamp(ParseInt(GetField(definition, ";", 3)).value_or(4), 1, 5);
        const QString bits = GetField(definition, ";", 4);
        piece->Matrix = StringToMatrix(bits, piece->Size);
        if (MatrixIsEmpty(piece->Matrix))
            throw Exception("Piece " + QString::number(i) + " defines an empty matrix: \"" + bits +
                            "\".");
        FPieceList.push_back(std::move(piece));
    }
    // A list of nothing but empty strings would leave nothing to spawn.
    if (FPieceList.empty()) throw Exception("No pieces to initialize.");
    return true;
}

void TBrickfall::SelectPiece(int Index) {
    const TPiece* listed = ListedPiece(Index);
    if (!listed) return;
    if (!FCurrent) FCurrent = std::make_unique<TPiece>();
    FCurrent->Assign(*listed);
    FCurrentIndex = Index;
}

bool TBrickfall::Fits(const TPieceMatrix& matrix, int size, int x, int y) const {
    for (int i = 1; i <= size; ++i)
        for (int j = 1; j <= size; ++j) {
            if (!matrix(i, j)) continue;
            const int c = x + i - 1;
            const int r = y + j - 1;
            if (c < 1 || c > FColumns || r > FRows) return false;
            if (r >= 1 && FBoard[c][r] != 0) return false;
        }
    return true;
}

bool TBrickfall::CanMove(int DX, int DY) const {
    if (!FCurrent || !FPlaying) return false;
    return Fits(FCurrent->Matrix, FCurrent->Size, FPieceX + DX, FPieceY + DY);
}

bool TBrickfall::CanRotate(int Direction) const {
    if (!FCurrent || !FPlaying) return false;
    return Fits(RotateMatrix(FCurrent->Matrix, FCurrent->Size, Direction), FCurrent->Size, FPieceX,
                FPieceY);
}

bool TBrickfall::MoveLeft() {
    if (!CanMove(-1, 0)) return false;
    EraseCurrentPiece(FPieceX, FPieceY);
    --FPieceX;
    DrawCurrentPiece(FPieceX, FPieceY);
    return true;
}

bool TBrickfall::MoveRight() {
    if (!CanMove(1, 0)) return false;
    EraseCurrentPiece(FPieceX, FPieceY);
    ++FPieceX;
    DrawCurrentPiece(FPieceX, FPieceY);
    return true;
}

void TBrickfall::Rotate(int Direction) {
    if (!FCurrent || !CanRotate(Direction)) return;
    EraseCurrentPiece(FPieceX, FPieceY);
    FCurrent->Matrix = RotateMatrix(FCurrent->Matrix, FCurrent->Size, Direction);
    DrawCurrentPiece(FPieceX, FPieceY);
}

int TBrickfall::StepDown() {
    if (!FCurrent) return 0;
    if (CanMove(0, 1)) {
        EraseCurrentPiece(FPieceX, FPieceY);
        ++FPieceY;
        DrawCurrentPiece(FPieceX, FPieceY);
        return 1;
    }
    int result = 0;
    // The test is on the top of the piece's box, not on its topmost filled cell.
    if (FPieceY <= 0) {
        if (FPlaying && FOnGameEnd) FOnGameEnd(this);
        FPlaying = false;
        result = -1;
    }
    // The landing, the row removal and the spawn happen after OnGameEnd returned.
    LandPiece();
    NewPiece();
    Paint();
    return result;
}

bool TBrickfall::Drop() {
    if (!FCurrent) return true;
    int d = 1;
    while (CanMove(0, d))
        ++d;
    // A piece that already rests where it fits stays put. Lifting it a row and stepping
    // it back, which ends in the same place, would erase the squares of any settled
    // cells it passed under up there.
    if (d == 1 && CanMove(0, 0)) {
        DrawCurrentPiece(FPieceX, FPieceY);
        return true;
    }
    EraseCurrentPiece(FPieceX, FPieceY);
    FPieceY += d - 2;
    DrawCurrentPiece(FPieceX, FPieceY);
    StepDown();
    return true;
}

bool TBrickfall::LandPiece() {
    if (!FCurrent) return false;
    try {
        for (int i = 1; i <= FCurrent->Size; ++i)
            for (int j = 1; j <= FCurrent->Size; ++j) {
                if (!FCurrent->Matrix(i, j)) continue;
                const int c = FPieceX + i - 1;
                const int r = FPieceY + j - 1;
                // Cells off the board are dropped: above the top edge at game over,
                // beside it when a piece spawned wider than a narrow board.
                if (c >= 1 && c <= FColumns && r >= 1 && r <= FRows)
                    FBoard[c][r] = FCurrentIndex + 1;
            }
        RemoveFullRows();
        Paint();
    } catch (...) {
        return false;
    }
    return true;
}

void TBrickfall::RemoveFullRows() {
    int count = 0;
    int r = FRows;
    while (r > 0) {
        bool full = true;
        for (int c = 1; c <= FColumns && full; ++c)
            full = FBoard[c][r] != 0;
        if (!full) {
            --r;
            continue;
        }
        for (int k = r; k >= 2; --k)
            for (int c = 1; c <= FColumns; ++c)
                FBoard[c][k] = FBoard[c][k - 1];
        for (int c = 1; c <= FColumns; ++c)
            FBoard[c][1] = 0;
        ++count;
        // Row r now holds what lay above it and is examined again.
    }
    if (count > 0 && FOnLineFull) FOnLineFull(this, count);
}

int TBrickfall::NewPiece() {
    const int count = PieceCount();
    if (count == 0) return -1;
    const int index = FNextPiece >= 0 && FNextPiece < count ? FNextPiece : Random(count);
    SelectPiece(index);
    FNextPiece = Random(count);

    // Bottom and right start at 5, not 0, and take the coordinate of the latest
    // filled cell that did not lower top (left): the spawn tables depend on it.
    int top = 9, bottom = 5, left = 9, right = 5;
    for (int y = 1; y <= FCurrent->Size; ++y)
        for (int x = 1; x <= FCurrent->Size; ++x) {
            if (!FCurrent->Matrix(x, y)) continue;
            if (y < top)
                top = y;
            else
                bottom = y;
            if (x < left)
                left = x;
            else
                right = x;
        }
    const int height = bottom - top + 1;
    const int width = right - left + 1;
    FPieceX = FColumns / 2 - width / 2 + 2 - left;
    FPieceY = 2 - height;

    if (FOnNewPiece) FOnNewPiece(this, index);
    return index;
}

void TBrickfall::ClearBoard() {
    for (auto& column : FBoard)
        column.fill(0);
}

int TBrickfall::EmptyRowsAtTop() const {
    int rows = 0;
    for (int r = 1; r <= FRows; ++r) {
        for (int c = 1; c <= FColumns; ++c)
            if (FBoard[c][r] != 0) return rows;
        ++rows;
    }
    return rows;
}

void TBrickfall::NewGame() {
    Randomize();
    FPlaying = false;
    ClearBoard();
    Paint();
    if (!InitPieces()) throw Exception("Piece initialization failure; could not start a new game.");
    FPlaying = true;
    NewPiece();
}

} // namespace brickfall
