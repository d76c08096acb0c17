#include "platform/files/IniFile.h"
#include "platform/numbers/SysUtils.h"
#include "tests/common/TestSupport.h"

#include <QDir>
#include <cerrno>

using IniFileTest = TestFolder;

TEST_F(IniFileTest, AMissingFileReadsAsDefaultsAndReadsCreateNothing) {
    const TIniFile ini(PathOf("q.cfg"));
    EXPECT_EQ(ini.ReadString("S", "Name", "Pembo"), "Pembo");
    EXPECT_TRUE(ini.ReadBool("S", "Flag", true));
    EXPECT_FALSE(ini.ReadBool("S", "Flag", false));
    EXPECT_FALSE(QFile::exists(PathOf("q.cfg")));
}

TEST_F(IniFileTest, WritesCreateFileSectionAndKeyWithCrLfLines) {
    TIniFile ini(PathOf("q.cfg"));
    ini.WriteString("First", "Name", "Pembo");
    EXPECT_EQ(ReadBytes("q.cfg"), "[First]\r\nName=Pembo\r\n");
    ini.WriteBool("Second", "On", true);
    ini.WriteBool("First", "Off", false);
    EXPECT_EQ(ReadBytes("q.cfg"), "[First]\r\nName=Pembo\r\nOff=0\r\n\r\n[Second]\r\nOn=1\r\n");
    ini.WriteString("first", "NAME", "Ann");
    EXPECT_EQ(ReadBytes("q.cfg"), "[First]\r\nNAME=Ann\r\nOff=0\r\n\r\n[Second]\r\nOn=1\r\n");
}

TEST_F(IniFileTest, HandEditedFilesAreReadLeniently) {
    WriteBytes("q.cfg", "; options\n"
                        "[ optionsshapes ]\n"
                        "  drawgrid = 0  \n"
                        "PlayerName=\n"
                        "Quoted=\"a b\"\n"
                        "nokey\n"
                        "[OptionsShapes]\n"
                        "Late=1\n");
    const TIniFile ini(PathOf("q.cfg"));
    EXPECT_FALSE(ini.ReadBool("OptionsShapes", "DrawGrid", true));
    EXPECT_EQ(ini.ReadString("OPTIONSSHAPES", "playername", "Pembo"), "");
    EXPECT_EQ(ini.ReadString("OptionsShapes", "Quoted", ""), "\"a b\"");
    EXPECT_EQ(ini.ReadString("OptionsShapes", "nokey", "d"), "d");
    // Only the first section of a name counts.
    EXPECT_EQ(ini.ReadString("OptionsShapes", "Late", "d"), "d");
}

TEST_F(IniFileTest, BooleansReadAsIntegersAndFallBackToTheDefault) {
    WriteBytes("q.cfg", "[S]\r\nTwo=2\r\nHex=0x1\r\nHexZero=0X0\r\nYes=yes\r\nZero=0\r\n"
                        "Minus=-1\r\nDollar=$10\r\nBare0x=0x\r\n");
    const TIniFile ini(PathOf("q.cfg"));
    EXPECT_TRUE(ini.ReadBool("S", "Two", false));
    EXPECT_TRUE(ini.ReadBool("S", "Hex", false));
    EXPECT_FALSE(ini.ReadBool("S", "HexZero", true));
    EXPECT_TRUE(ini.ReadBool("S", "Yes", true));
    EXPECT_FALSE(ini.ReadBool("S", "Yes", false));
    EXPECT_FALSE(ini.ReadBool("S", "Zero", true));
    EXPECT_TRUE(ini.ReadBool("S", "Minus", false));
    EXPECT_TRUE(ini.ReadBool("S", "Dollar", false));
    EXPECT_TRUE(ini.ReadBool("S", "Bare0x", true));
}

TEST_F(IniFileTest, AWriteKeepsEveryOtherLineAndCannotAddLines) {
    WriteBytes("q.cfg", "; kept\n[A]\nx = 1\n\n[B]\ny=2\n");
    TIniFile ini(PathOf("q.cfg"));
    ini.WriteString("A", "New", "line1\r\n[Evil]\nz=9");
    EXPECT_EQ(ReadBytes("q.cfg"),
              "; kept\r\n[A]\r\nx = 1\r\nNew=line1  [Evil] z=9\r\n\r\n[B]\r\ny=2\r\n");
    EXPECT_EQ(ini.ReadString("Evil", "z", "none"), "none");
    EXPECT_EQ(ini.ReadString("A", "new", ""), "line1  [Evil] z=9");
    EXPECT_EQ(ini.ReadString("a", "X", ""), "1");
}

TEST_F(IniFileTest, LongValuesReadUpTo2047Bytes) {
    const QString value(3000, u'v');
    TIniFile ini(PathOf("q.cfg"));
    ini.WriteString("S", "Long", value);
    EXPECT_EQ(ini.ReadString("S", "Long", ""), QString(2047, u'v'));
}

TEST_F(IniFileTest, ARefusedWriteRaisesWithTheFullFileNameAndChangesNothing) {
    WriteBytes("plain", "a file where a folder should be");
    TIniFile ini(PathOf("plain/q.cfg"));
    try {
        ini.WriteString("S", "Key", "v");
        FAIL() << "the write was not refused";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(),
                  "Unable to write to " + PathOf("plain/q.cfg") + ": " + qt_error_string(ENOTDIR));
    }

    // An existing file that cannot be read is not replaced by one holding only the key.
    ASSERT_TRUE(QDir(PathOf("")).mkpath("dir.cfg/inside"));
    TIniFile folder(PathOf("dir.cfg"));
    EXPECT_THROW(folder.WriteBool("S", "Key", true), Exception);
    EXPECT_TRUE(QFileInfo(PathOf("dir.cfg/inside")).isDir());
    EXPECT_EQ(QDir(PathOf("")).entryList(QDir::Files), QStringList({"plain"}));
}
