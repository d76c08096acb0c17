#pragma once

#include "blocks/Tumblox.h"
#include "tests/common/TestSupport.h"

#include <QStringList>
#include <vector>

// Boards are written as text, one string per row, top row first: R red, B blue,
// W white, Y yellow, M maroon, F fuchsia, G lime (a colour no piece ever has),
// '.' empty. Text() shows the falling piece in lower case over the cells.

class Board : public tumblox::TTumblox {
public:
    using TTumblox::CheckGameOver;
    using TTumblox::ClearBoard;
    using TTumblox::DeleteCell;
    using TTumblox::EditPiece;
    using TTumblox::FindMatches;
    using TTumblox::RemoveMarked;
    using TTumblox::SetCell;
    using TTumblox::TTumblox;

    void Paint() override {
        ++Paints;
        TTumblox::Paint();
    }
    int Paints = 0;
};

inline TColor ColorOf(QChar letter) {
    switch (letter.toUpper().toLatin1()) {
    case 'R':
        return clRed;
    case 'B':
        return clBlue;
    case 'W':
        return clWhite;
    case 'Y':
        return clYellow;
    case 'M':
        return clMaroon;
    case 'F':
        return clFuchsia;
    case 'G':
        return clLime;
    default:
        return clBlack;
    }
}

inline QChar LetterOf(TColor color) {
    switch (color) {
    case clRed:
        return 'R';
    case clBlue:
        return 'B';
    case clWhite:
        return 'W';
    case clYellow:
        return 'Y';
    case clMaroon:
        return 'M';
    case clFuchsia:
        return 'F';
    case clLime:
        return 'G';
    default:
        return '?';
    }
}

class BlocksTest : public TestFolder {
protected:
    // Sizes the board to the text and fills it.
    static void Load(Board& board, const QStringList& rows) {
        board.SetColumns(static_cast<int>(rows.front().size()));
        board.SetRows(static_cast<int>(rows.size()));
        board.ClearBoard();
        for (int row = 0; row < rows.size(); ++row)
            for (int col = 0; col < rows[row].size(); ++col)
                if (rows[row][col] != '.') board.SetCell(col, row, ColorOf(rows[row][col]));
    }

    // A board of the given height whose last rows are the text.
    static QStringList Bottom(int height, const QStringList& rows) {
        QStringList all;
        while (all.size() + rows.size() < height)
            all << QString(rows.front().size(), '.');
        return all + rows;
    }

    static QStringList Text(const Board& board) { return Draw(board, board.Playing()); }
    static QStringList Cells(const Board& board) { return Draw(board, false); }

    static QStringList Draw(const Board& board, bool withPiece) {
        QStringList rows;
        for (int row = 0; row < board.Rows(); ++row) {
            QString line;
            for (int col = 0; col < board.Columns(); ++col) {
                const tumblox::TBlockCell cell = board.Cell(col, row);
                line += cell.Filled ? LetterOf(cell.Color) : QChar('.');
            }
            rows << line;
        }
        if (withPiece) {
            const tumblox::TPiece& piece = board.Piece();
            for (int i = 0; i < 3; ++i)
                if (piece.Y + i < rows.size() && piece.X < board.Columns())
                    rows[piece.Y + i][piece.X] = LetterOf(piece.Colors[i]).toLower();
        }
        return rows;
    }

    static void SetPiece(Board& board, const char* colors) {
        for (int i = 0; i < 3; ++i)
            board.EditPiece().Colors[i] = ColorOf(QChar(colors[i]));
    }

    // Counts the board's events and keeps the board as it stood at each removal.
    void Watch(Board& board) {
        board.SetOnDeleteBlock([this](tumblox::TTumblox* sender) {
            Deleted.push_back(Cells(static_cast<Board&>(*sender)));
        });
        board.SetOngameOver([this](tumblox::TTumblox*) { ++GameOvers; });
    }

    std::vector<QStringList> Deleted;
    int GameOvers = 0;
};
