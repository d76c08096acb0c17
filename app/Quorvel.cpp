#include "game/uGame.h"
#include "platform/Application.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Application::SetTitle("Quorvel");
    TfrmGame window;
    window.ShowModal();
    return 0;
}
