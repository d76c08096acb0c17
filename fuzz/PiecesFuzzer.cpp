// Piece definitions. The file part of the input is a list of definition strings, one a
// line, given to the Shapes board as its Pieces; the rest sizes the board and spells a
// few hundred moves, turns, steps and drops. A list the board refuses must be refused
// with its message and leave the board cleared; a list it takes must play by every
// rule the soak referee knows.

#include "fuzz/FuzzSupport.h"
#include "platform/numbers/Random.h"
#include "platform/numbers/SysUtils.h"
#include "shapes/Brickfall.h"
#include "tests/shapes/ShapesReferee.h"

#include <QApplication>
#include <QRegularExpression>

namespace {

class TFuzzBoard : public brickfall::TBrickfall {};

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    FreezeRandomize(true);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fuzz::TInput input = fuzz::Split(data, size);
    fuzz::TOps ops(input.Ops);
    SetRandSeed(static_cast<uint32_t>(ops.Int()));

    TFuzzBoard board;
    const uint8_t shape = ops.Byte();
    board.SetColumns(shape == 0 ? 21 : ops.Pick(40));
    board.SetRows(shape == 0 ? 28 : ops.Pick(60));
    // Small cells keep the pictures small, so more inputs run in the time.
    board.SetBlockSize(shape == 0 ? 18 : 1 + ops.Pick(8));
    board.SetUseDefaultPieces(shape & 1);
    board.SetDrawGrid(shape & 2);
    if (shape & 4) board.SetColor(static_cast<TColor>(ops.Int()));

    const QStringList pieces =
        QString::fromUtf8(input.File).split(QRegularExpression("\r\n|\r|\n"));
    board.SetPieces(pieces);
    soak::TShapesReferee referee(board);
    try {
        referee.NewGame();
    } catch (const Exception& error) {
        const QString message = error.Message();
        fuzz::Require(
            message == "No pieces to initialize." ||
                (message.startsWith("Piece ") && message.contains(" defines an empty matrix: \"")),
            "NewGame failed with " + fuzz::Show(message));
        fuzz::Require(!board.Playing(), "a refused list left the board playing");
        for (int c = 1; c <= board.Columns(); ++c)
            for (int r = 1; r <= board.Rows(); ++r)
                fuzz::Require(board.Cell(c, r) == 0, "a refused list left cells on the board");
        return 0;
    }
    fuzz::Require(referee.Failure().empty(), referee.Failure());
    fuzz::Require(board.PieceCount() >= 1, "a game runs without pieces");
    for (int i = 0; i < board.PieceCount(); ++i) {
        const brickfall::TPiece* piece = board.ListedPiece(i);
        fuzz::Require(piece->Size >= 1 && piece->Size <= 5,
                      "a piece of size " + std::to_string(piece->Size));
        fuzz::Require(!brickfall::MatrixIsEmpty(piece->Matrix), "a piece without cells");
        fuzz::Require(piece->Color != board.Color(), "a piece in the background colour");
    }

    QImage preview(90, 90, QImage::Format_ARGB32_Premultiplied);
    TCanvas canvas(&preview);
    for (int step = 0; step < 400 && ops.More(); ++step) {
        // Mostly moves; one operation in thirteen compares the picture.
        const int pick = ops.Pick(2 * soak::kShapesMoves + 1) / 2;
        if (pick == soak::kShapesMoves) {
            fuzz::Require(referee.CheckPicture(), referee.Failure());
            board.DrawPieceAt(canvas, 1, 1, board.NextPiece());
            continue;
        }
        fuzz::Require(referee.Play(static_cast<soak::TShapesMove>(pick)), referee.Failure());
        if (referee.Ended()) {
            referee.NewGame();
            fuzz::Require(referee.Failure().empty(), referee.Failure());
        }
    }
    return 0;
}
