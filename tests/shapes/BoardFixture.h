#pragma once

#include "shapes/Brickfall.h"
#include "tests/common/TestSupport.h"

#include <QStringList>
#include <vector>

// A board that can be laid out from text and read back as text: "." is empty,
// "0".."9" a settled cell of that list piece, "#" a settled cell of piece 0.
class TestBoard : public brickfall::TBrickfall {
public:
    using TBrickfall::CanMove;
    using TBrickfall::RemoveFullRows;

    // Lays the given rows at the bottom of the board; rows above stay as they are.
    void Lay(const QStringList& rows) {
        const int first = Rows() - static_cast<int>(rows.size()) + 1;
        for (int i = 0; i < rows.size(); ++i)
            for (int c = 1; c <= Columns(); ++c) {
                const QChar ch = rows[i][c - 1];
                SetCellValue(c, first + i, ch == '.' ? 0 : ch == '#' ? 1 : ch.digitValue() + 1);
            }
    }
    // The bottom `count` rows as text.
    QStringList Bottom(int count) const {
        QStringList rows;
        for (int r = Rows() - count + 1; r <= Rows(); ++r) {
            QString row;
            for (int c = 1; c <= Columns(); ++c)
                row += Cell(c, r) == 0 ? QChar('.') : QChar('0' + Cell(c, r) - 1);
            rows << row;
        }
        return rows;
    }
    QStringList All() const { return Bottom(Rows()); }
};

// Records the events of a board in the order they arrive.
struct EventLog {
    std::vector<QString> events;
    void Attach(brickfall::TBrickfall& board) {
        board.SetOnLineFull([this](brickfall::TBrickfall*, int lines) {
            events.push_back("LineFull " + QString::number(lines));
        });
        board.SetOnGameEnd([this](brickfall::TBrickfall*) { events.push_back("GameEnd"); });
        board.SetOnNewPiece([this](brickfall::TBrickfall*, int piece) {
            events.push_back("NewPiece " + QString::number(piece));
        });
    }
};

// The shape of a matrix as rows of "#" and ".".
inline QStringList Shape(const brickfall::TPieceMatrix& m, int size) {
    QStringList rows;
    for (int y = 1; y <= size; ++y) {
        QString row;
        for (int x = 1; x <= size; ++x)
            row += m(x, y) ? '#' : '.';
        rows << row;
    }
    return rows;
}
