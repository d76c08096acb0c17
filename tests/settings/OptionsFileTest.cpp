#include "settings/OptionsFile.h"
#include "platform/files/AppPath.h"
#include "platform/numbers/SysUtils.h"
#include "tests/common/TestSupport.h"

namespace {

void ExpectDefaults(const ToptionsRec& options) {
    EXPECT_EQ(options.PlayerName, "Pembo");
    EXPECT_FALSE(options.SpeedUpOnLine);
    EXPECT_FALSE(options.SpeedUpOnBoth);
    EXPECT_TRUE(options.ShowPiece);
    EXPECT_TRUE(options.BeepOnDrop);
    EXPECT_TRUE(options.UseSound);
    EXPECT_TRUE(options.DrawGrid);
    EXPECT_FALSE(options.UseDefaultPieces);
}

} // namespace

using OptionsFileTest = TestFolder;

TEST_F(OptionsFileTest, WithoutAFileEveryOptionIsItsDefault) {
    EXPECT_EQ(OptionsFileName(), PathOf("Quorvel.cfg"));
    ExpectDefaults(ReadShapesOptions());
    ExpectDefaults(ReadBlocksOptions());
    const TGameOptions both = ReadDialogOptions();
    ExpectDefaults(both.Shapes);
    ExpectDefaults(both.Blocks);
    EXPECT_FALSE(QFile::exists(PathOf("Quorvel.cfg")));

    SetExeFileNameForTests(PathOf("Quorvel.exe"));
    EXPECT_EQ(OptionsFileName(), PathOf("Quorvel.cfg"));
}

TEST_F(OptionsFileTest, ConfirmingTheDialogOnAMissingFileWritesAllThirteenKeys) {
    TGameOptions options;
    options.Shapes.PlayerName = "Ann";
    options.Shapes.SpeedUpOnBoth = true;
    options.Shapes.UseDefaultPieces = true;
    options.Blocks.PlayerName = "Bob";
    options.Blocks.SpeedUpOnLine = true;
    options.Blocks.UseSound = false;
    WriteDialogOptions(options);
    EXPECT_EQ(ReadBytes("Quorvel.cfg"), "[OptionsShapes]\r\n"
                                        "PlayerName=Ann\r\n"
                                        "ShowPiece=1\r\n"
                                        "BeepOnDrop=1\r\n"
                                        "UseSound=1\r\n"
                                        "DrawGrid=1\r\n"
                                        "UseDefaultPieces=1\r\n"
                                        "SpeedUpOnBoth=1\r\n"
                                        "SpeedUpOnLine=0\r\n"
                                        "\r\n"
                                        "[OptionsBlocks]\r\n"
                                        "PlayerName=Bob\r\n"
                                        "BeepOnDrop=1\r\n"
                                        "UseSound=0\r\n"
                                        "SpeedUpOnBoth=0\r\n"
                                        "SpeedUpOnLine=1\r\n");
    const TGameOptions back = ReadDialogOptions();
    EXPECT_EQ(back.Shapes.PlayerName, "Ann");
    EXPECT_TRUE(back.Shapes.SpeedUpOnBoth);
    EXPECT_TRUE(back.Shapes.UseDefaultPieces);
    EXPECT_EQ(back.Blocks.PlayerName, "Bob");
    EXPECT_TRUE(back.Blocks.SpeedUpOnLine);
    EXPECT_FALSE(back.Blocks.UseSound);
}

TEST_F(OptionsFileTest, BooleansNamesAndLetterCaseAsAPersonMightEditThem) {
    WriteBytes("Quorvel.cfg", "[optionsshapes]\n"
                              "playername=\n"
                              "beepondrop=2\n"
                              "UseSound = 0x1\n"
                              "drawgrid=0\n"
                              "ShowPiece=yes\n"
                              "UseDefaultPieces=yes\n"
                              "[OPTIONSBLOCKS]\n"
                              "BeepOnDrop=0\n"
                              "DrawGrid=0\n");
    const ToptionsRec shapes = ReadShapesOptions();
    EXPECT_EQ(shapes.PlayerName, "");
    EXPECT_TRUE(shapes.BeepOnDrop);
    EXPECT_TRUE(shapes.UseSound);
    EXPECT_FALSE(shapes.DrawGrid);
    EXPECT_TRUE(shapes.ShowPiece);
    EXPECT_FALSE(shapes.UseDefaultPieces);
    const ToptionsRec blocks = ReadBlocksOptions();
    EXPECT_EQ(blocks.PlayerName, "Pembo");
    EXPECT_FALSE(blocks.BeepOnDrop);
    // The Blocks game has no grid key: a stray one is not read.
    EXPECT_TRUE(blocks.DrawGrid);
}

TEST_F(OptionsFileTest, ClosingAGameWritesOnlyItsToggles) {
    WriteBytes("Quorvel.cfg", "[OptionsShapes]\r\nPlayerName=Ann\r\nDrawGrid=1\r\n");
    ToptionsRec shapes = ReadShapesOptions();
    shapes.DrawGrid = false;
    shapes.UseSound = false;
    shapes.PlayerName = "Changed in play";
    WriteShapesToggles(shapes);
    ToptionsRec blocks = ReadBlocksOptions();
    blocks.BeepOnDrop = false;
    WriteBlocksToggles(blocks);
    EXPECT_EQ(ReadBytes("Quorvel.cfg"), "[OptionsShapes]\r\n"
                                        "PlayerName=Ann\r\n"
                                        "DrawGrid=0\r\n"
                                        "BeepOnDrop=1\r\n"
                                        "UseSound=0\r\n"
                                        "\r\n"
                                        "[OptionsBlocks]\r\n"
                                        "BeepOnDrop=0\r\n"
                                        "UseSound=1\r\n");
    EXPECT_FALSE(ReadDialogOptions().Shapes.DrawGrid);
}

TEST_F(OptionsFileTest, ARefusedWriteStopsAtTheFirstKeyWithTheFileName) {
    WriteBytes("plain", "a file where a folder should be");
    SetExeFileNameForTests(PathOf("plain/Quorvel"));
    try {
        WriteDialogOptions(TGameOptions{});
        FAIL() << "the write was not refused";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), "Unable to write to " + PathOf("plain/Quorvel.cfg") + ": " +
                                       qt_error_string(ENOTDIR));
    }
    EXPECT_THROW(WriteShapesToggles(ToptionsRec{}), Exception);
}
