// Writes the options file and a high-score table the way the program does, from
// wherever it lies, and prints the two file names. The data-folder test runs copies of
// it as an ordinary user, beside a folder that user may or may not write.
//
//   data_probe          the writes above
//   data_probe player   what a player does that writes: the Blocks table viewed from
//                       the menu, the options confirmed, a game closed untouched and
//                       one closed with a switch pressed. Prints each message box as
//                       "<step>: <text>" and the table's first row as shown.

#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "settings/OptionsFile.h"
#include "settings/uHighScoreTable.h"
#include "settings/uOptions.h"

#include <QApplication>
#include <cstdio>

namespace {

const char* gStep = "";

int Player() {
    SetDialogResponder([](const TDialogRequest& request) {
        std::printf("%s: %s\n", gStep, qUtf8Printable(request.Text));
        return TDialogAnswer{};
    });
    gStep = "view";
    {
        TfrmHigh table;
        table.GameName = QStringLiteral("Quorvel (Blocks)");
        table.PlayerName = QStringLiteral("Play To Get Here");
        table.UpdateTable();
        std::printf("view: row 1 %s,%s\n", qUtf8Printable(table.ScoreLabel(1)->Caption()),
                    qUtf8Printable(table.NameLabel(1)->Caption()));
    }
    gStep = "options";
    {
        TfrmOptions options;
        Application::Guard([&options] { options.Button1Click(); });
    }
    const ToptionsRec asRead = ReadShapesOptions();
    gStep = "untouched";
    Application::Guard([&asRead] { WriteShapesToggles(asRead, &asRead); });
    gStep = "toggled";
    ToptionsRec pressed = asRead;
    pressed.DrawGrid = !pressed.DrawGrid;
    Application::Guard([&] { WriteShapesToggles(pressed, &asRead); });
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    try {
        if (QCoreApplication::arguments().value(1) == QStringLiteral("player")) return Player();
        TGameOptions options;
        options.Shapes.PlayerName = QStringLiteral("Probe");
        WriteDialogOptions(options);
        TfrmHigh table;
        table.GameName = QStringLiteral("Quorvel (Shapes)");
        table.Score = 42;
        table.PlayerName = ReadShapesOptions().PlayerName;
        table.UpdateTable();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "data_probe: %s\n", error.what());
        return 1;
    }
    std::printf("%s\n%s\n", qPrintable(OptionsFileName()), qPrintable(HighScoreFileName()));
    return 0;
}
