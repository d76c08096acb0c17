#include "app/uMain.h"
#include "platform/Application.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Application::SetTitle(QStringLiteral("Quorvel"));
    TfrmMain frmMain;
    // The menu is the program: when it closes, by its exit button or by the window
    // system, the event loop ends.
    QObject::connect(&frmMain, &QDialog::finished, &app, &QCoreApplication::quit);
    frmMain.show();
    return app.exec();
}
