#include "platform/files/IniFile.h"
#include "settings/IniStore.h"
#include "settings/OptionsFile.h"
#include "settings/uHighScoreTable.h"
#include "tests/common/TestSupport.h"

namespace {

using IniRoundTripTest = TestFolder;

// Found by fuzzing: the end-of-text byte 0x1A ends an INI text when it is read, so a
// name holding one cut off everything after it in the file, other sections included,
// and the next write made the loss permanent. It is now written as a space.
TEST_F(IniRoundTripTest, AnEndOfTextByteInANameNoLongerCutsTheFileShort) {
    TfrmHigh table;
    table.GameName = QStringLiteral("Quorvel (Shapes)");
    table.Score = 70;
    table.PlayerName = QStringLiteral("Ctrl\x1AZ");
    table.UpdateTable();
    EXPECT_EQ(table.NameLabel(1)->Caption(), "Ctrl Z");
    {
        TIniStore store(HighScoreFileName());
        QStringList rows;
        store.ReadNumberedList("Quorvel (Shapes)", rows, "missing");
        EXPECT_EQ(rows.size(), 10);
        EXPECT_EQ(rows.first(), "000000070,Ctrl Z");
        EXPECT_EQ(rows.last(), "000000001,Player 1");
    }

    TGameOptions options;
    options.Shapes.PlayerName = QStringLiteral("Ctrl\x1AZ");
    options.Blocks.PlayerName = QStringLiteral("Blocks player");
    WriteDialogOptions(options);
    EXPECT_EQ(ReadDialogOptions().Shapes.PlayerName, "Ctrl Z");
    EXPECT_EQ(ReadDialogOptions().Blocks.PlayerName, "Blocks player");
    EXPECT_FALSE(ReadBytes("Quorvel.cfg").contains('\x1A'));
}

// Found by fuzzing: a section name or key long enough to fill a 255-byte line lost its
// closing bracket or its "=" to the cut when the file was read again, so the section
// or the value vanished on the next load.
TEST_F(IniRoundTripTest, NamesAndKeysAtTheLengthLimitReadBackAfterAWrite) {
    const QString section(300, u's');
    const QString key(300, u'k');
    {
        TIniStore store(PathOf("s.ini"));
        store.WriteString(section, "a", "1");
        store.WriteString("Short", key, "2");
        store.UpdateFile();
    }
    TIniStore store(PathOf("s.ini"));
    EXPECT_EQ(store.Sections().Count(), 2);
    EXPECT_EQ(store.Sections().Name(0), QString(253, u's'));
    EXPECT_EQ(store.ReadString(section, "a", "lost"), "1");
    EXPECT_EQ(store.ReadString("Short", key, "lost"), "");
    EXPECT_EQ(store.Sections().Lines(1).first(), QString(254, u'k') + u'=');
    EXPECT_FALSE(store.Modified());
}

} // namespace
