// Writes the options file and a high-score table the way the program does, from
// wherever it lies, and prints the two file names. The data-folder test runs copies of
// it as an ordinary user, beside a folder that user may or may not write.

#include "settings/OptionsFile.h"
#include "settings/uHighScoreTable.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    try {
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
