// The floor for the program's start: a bare Qt program that does no more than the
// menu must, one frameless 284 x 181 window shown. make bench starts it and the real
// program in turns and compares their times to the first mapped window.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setFixedSize(284, 181);
    window.show();
    return app.exec();
}
