#include "platform/Application.h"
#include "platform/Form.h"
#include "platform/Timer.h"
#include "shapes/Brickfall.h"

#include <QApplication>

namespace {

// A bare window with a Shapes board on a one-second fall, played with the arrows.
class TBoardWindow : public TForm {
public:
    TBoardWindow() {
        SetClientSize(419, 545);
        SetColor(clBlack);
        SetCaption("Quorvel (Shapes)");
        board.setParent(this);
        board.SetColumns(21);
        board.SetRows(28);
        board.SetBlockSize(18);
        board.SetDrawGrid(true);
        board.move(20, 20);
        board.SetOnGameEnd([this](brickfall::TBrickfall*) { timer.SetEnabled(false); });
        board.NewGame();
        timer.SetOnTimer([this] { board.StepDown(); });
    }
    void FormKeyDown(int& key) override {
        switch (key) {
        case vk::Left:
            board.MoveLeft();
            break;
        case vk::Right:
            board.MoveRight();
            break;
        case vk::Up:
            board.Rotate(1);
            break;
        case vk::Down:
            board.Drop();
            break;
        case vk::Escape:
            Close();
            break;
        }
    }

private:
    brickfall::TBrickfall board;
    TTimer timer;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Application::SetTitle("Quorvel");
    TBoardWindow window;
    window.CenterOnScreen();
    window.ShowModal();
    return 0;
}
