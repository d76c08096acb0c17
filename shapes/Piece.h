#pragma once

#include "platform/ui/Color.h"

#include <QString>
#include <array>

namespace brickfall {

// The filled cells of a piece inside its box, indexed [x, y] from 1: x the column
// (1 = leftmost), y the row (1 = top). A piece of size N uses x, y <= N only.
class TPieceMatrix {
public:
    bool& operator()(int x, int y) { return FCells[x - 1][y - 1]; }
    bool operator()(int x, int y) const { return FCells[x - 1][y - 1]; }
    bool operator==(const TPieceMatrix&) const = default;

private:
    std::array<std::array<bool, 5>, 5> FCells{};
};

// One piece as its definition string describes it.
class TPiece {
public:
    QString Name;
    TColor Color = clWhite;
    int Size = 0;
    TPieceMatrix Matrix;

    void Assign(const TPiece& source);
};

// The K-th field (from 1) of S split at Separator; a field that does not exist,
// and K = 0, give the empty text.
QString GetField(const QString& S, const QString& Separator, int K);

// Reads the first N x N characters of Bits row by row, top row first, each row
// left to right; only "1" fills a cell. Shorter text counts as padded with "0".
TPieceMatrix StringToMatrix(const QString& Bits, int Size);

bool MatrixIsEmpty(const TPieceMatrix& M);

// A quarter turn inside the Size x Size box, which itself does not move: direction
// 1 turns clockwise as seen on screen (the top row becomes the right column), 0
// counter-clockwise.
TPieceMatrix RotateMatrix(const TPieceMatrix& M, int Size, int Direction);

void ClearMatrix(TPieceMatrix& M);

} // namespace brickfall
