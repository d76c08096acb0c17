#include "shapes/Piece.h"

namespace brickfall {

void TPiece::Assign(const TPiece& source) {
    Color = source.Color;
    Size = source.Size;
    Name = source.Name;
    Matrix = source.Matrix;
}

QString GetField(const QString& S, const QString& Separator, int K) {
    QString rest = S + Separator;
    QString field;
    for (int i = 0; i < K; ++i) {
        const qsizetype cut = rest.indexOf(Separator);
        if (cut < 0) return QString();
        field = rest.left(cut);
        rest.remove(0, cut + Separator.size());
    }
    return field;
}

TPieceMatrix StringToMatrix(const QString& Bits, int Size) {
    TPieceMatrix matrix;
    for (int y = 1; y <= Size; ++y)
        for (int x = 1; x <= Size; ++x) {
            const qsizetype at = (y - 1) * Size + (x - 1);
            matrix(x, y) = at < Bits.size() && Bits[at] == u'1';
        }
    return matrix;
}

bool MatrixIsEmpty(const TPieceMatrix& M) {
    for (int x = 1; x <= 5; ++x)
        for (int y = 1; y <= 5; ++y)
            if (M(x, y)) return false;
    return true;
}

TPieceMatrix RotateMatrix(const TPieceMatrix& M, int Size, int Direction) {
    TPieceMatrix turned;
    for (int x = 1; x <= Size; ++x)
        for (int y = 1; y <= Size; ++y) {
            if (!M(x, y)) continue;
            if (Direction == 1)
                turned(Size - y + 1, x) = true;
            else
                turned(y, Size - x + 1) = true;
        }
    return turned;
}

void ClearMatrix(TPieceMatrix& M) {
    M = TPieceMatrix();
}

} // namespace brickfall
