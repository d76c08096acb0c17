#include "platform/files/IniFile.h"
#include "platform/files/IniText.h"
#include "settings/IniStore.h"
#include "settings/OptionsFile.h"
#include "settings/uHighScoreTable.h"
#include "tests/common/TestSupport.h"
#include "tests/settings/SettingsTestSupport.h"

#include <QDir>
#include <random>
#include <sys/stat.h>

namespace {

// Files the program did not write: damaged, hand-edited or put there on purpose. Each
// must load without a crash or a hang, keep what can be kept, and leave the table and
// the options usable.
class HostileFilesTest : public TestFolder {
protected:
    // Enters a score into the Shapes table; the labels show the table's rows.
    QStringList EnterScore(int32_t score, const QString& name) {
        return ShownRows(QStringLiteral("Quorvel (Shapes)"), score, name);
    }

    // Random bytes, line breaks among them; only the end-of-text byte is left out, as
    // it would end the file there.
    static QByteArray Garbage(int bytes, uint32_t seed) {
        std::mt19937 random(seed);
        QByteArray noise(bytes, '\0');
        for (char& c : noise)
            do
                c = static_cast<char>(random() & 0xFF);
            while (c == '\x1A');
        return noise;
    }
    // Lines of random bytes, each ended with CR LF as the profile file writes them.
    static QByteArray GarbageLines(int lines, uint32_t seed) {
        std::mt19937 random(seed);
        QByteArray noise;
        for (int line = 0; line < lines; ++line) {
            for (int i = 0; i < 64; ++i) {
                char c;
                do
                    c = static_cast<char>(random() & 0xFF);
                while (c == '\r' || c == '\n' || c == '\x1A');
                noise += c;
            }
            noise += "\r\n";
        }
        return noise;
    }

    QStringList TmpFiles() const {
        return QDir(QFileInfo(ExePath()).absolutePath())
            .entryList({"*.tmp", "*.ini.*", "*.cfg.*"}, QDir::Files | QDir::Hidden);
    }
};

TEST_F(HostileFilesTest, EmptyGarbageAndNulFilesGiveTheDefaultsAndKeepEveryReadableSection) {
    WriteBytes("Quorvel.ini", "");
    WriteBytes("Quorvel.cfg", "");
    EXPECT_EQ(EnterScore(40, "Pembo").first(), "000000040,Pembo");
    EXPECT_EQ(ReadShapesOptions().PlayerName, "Pembo");

    // Noise first, then a table of another game: the noise goes, the table stays.
    WriteBytes("Quorvel.ini",
               Garbage(4096, 1) + "\r\n[Quorvel (Blocks)]\r\nCount=1\r\n1=000000077,Kept\r\n");
    WriteBytes("Quorvel.cfg", GarbageLines(64, 2) + "[OptionsShapes]\r\nPlayerName=Kept\r\n");
    EXPECT_EQ(EnterScore(50, "Ann").first(), "000000050,Ann");
    {
        TIniStore store(HighScoreFileName());
        EXPECT_EQ(store.ReadString("Quorvel (Blocks)", "1", "gone"), "000000077,Kept");
    }
    EXPECT_EQ(ReadShapesOptions().PlayerName, "Kept");
    WriteShapesToggles(ToptionsRec());
    EXPECT_TRUE(ReadBytes("Quorvel.cfg").startsWith(GarbageLines(64, 2)))
        << "a write of the options kept the noise before them byte for byte";

    // NUL bytes inside a name are part of the name.
    const QByteArray nul("000000090,A\0B", 13);
    WriteBytes("Quorvel.ini", "[Quorvel (Shapes)]\r\nCount=1\r\n1=" + nul + "\r\n");
    WriteBytes("Quorvel.cfg", QByteArray("[OptionsShapes]\r\nPlayerName=N\0L\r\n", 33));
    EXPECT_EQ(EnterScore(5, "Bob").first(), QString::fromUtf8(nul));
    EXPECT_TRUE(ReadBytes("Quorvel.ini").contains(nul));
    EXPECT_EQ(ReadShapesOptions().PlayerName, QString::fromUtf8("N\0L", 3));
    EXPECT_TRUE(TmpFiles().isEmpty());
}

TEST_F(HostileFilesTest, TextThatIsNotUtf8IsKeptByteForByteWhenEitherFileIsRewritten) {
    // The table is written back whole, its rows in a new order: a name saved in another
    // encoding keeps its bytes, and so does a line of noise.
    WriteBytes("Quorvel.ini", "[Quorvel (Shapes)]\r\nCount=2\r\n1=000000001,Low\r\n"
                              "2=000000090,J\xFCrgen\r\n\xFF\xFE\xC3\r\n");
    EXPECT_EQ(EnterScore(5, "Bob").first(), DecodeIniText("000000090,J\xFCrgen"));
    EXPECT_EQ(ReadBytes("Quorvel.ini"), "[Quorvel (Shapes)]\r\nCount=3\r\n\xFF\xFE\xC3\r\n"
                                        "1=000000090,J\xFCrgen\r\n2=000000005,Bob\r\n"
                                        "3=000000001,Low\r\n\r\n");

    // The options file is written key by key: a line the write does not touch keeps its
    // bytes, so a name saved in another encoding is not spoiled by a toggle.
    WriteBytes("Quorvel.cfg",
               "[OptionsShapes]\r\nPlayerName=J\xFCrgen\r\nDrawGrid=1\r\n\xFF\xFE\r\n");
    EXPECT_EQ(ReadShapesOptions().PlayerName, QString::fromUtf8("J\uFFFDrgen"));
    ToptionsRec options;
    options.DrawGrid = false;
    WriteShapesToggles(options);
    EXPECT_EQ(ReadBytes("Quorvel.cfg"), "[OptionsShapes]\r\nPlayerName=J\xFCrgen\r\nDrawGrid=0\r\n"
                                        "\xFF\xFE\r\nBeepOnDrop=1\r\nUseSound=1\r\n");
}

TEST_F(HostileFilesTest, ATenMegabyteLineIsCutInTheTableAndKeptWholeInTheOptions) {
    const QByteArray huge(10 * 1024 * 1024, 'x');
    WriteBytes("Quorvel.ini", "[Quorvel (Shapes)]\r\nCount=2\r\n1=000000070,First\r\n" + huge +
                                  "\r\n2=000000060,Second\r\n");
    const QStringList rows = EnterScore(65, "Mid");
    EXPECT_EQ(rows.mid(0, 3),
              QStringList({"000000070,First", "000000065,Mid", "000000060,Second"}));
    const QByteArray table = ReadBytes("Quorvel.ini");
    EXPECT_TRUE(table.contains("\r\n" + QByteArray(255, 'x') + "\r\n"));
    EXPECT_FALSE(table.contains(QByteArray(256, 'x')));

    // One line and nothing else: no section to keep it in, so the table replaces it.
    WriteBytes("Quorvel.ini", huge);
    EXPECT_EQ(EnterScore(1, "Solo").first(), "000000009,Player 9");
    EXPECT_FALSE(ReadBytes("Quorvel.ini").contains("xxx"));

    WriteBytes("Quorvel.cfg",
               "[OptionsShapes]\r\nPlayerName=Long\r\n" + huge + "\r\nDrawGrid=0\r\n");
    const ToptionsRec read = ReadShapesOptions();
    EXPECT_EQ(read.PlayerName, "Long");
    EXPECT_FALSE(read.DrawGrid);
    WriteShapesToggles(read);
    EXPECT_TRUE(ReadBytes("Quorvel.cfg").contains("\r\n" + huge + "\r\n"));
    EXPECT_EQ(TIniFile(OptionsFileName()).ReadString(huge, "x", "d"), "d");
    WriteBytes("Quorvel.cfg", "[OptionsShapes]\r\nPlayerName=" + huge + "\r\n");
    EXPECT_EQ(ReadShapesOptions().PlayerName, QString(2047, u'x'));
}

TEST_F(HostileFilesTest, AHundredThousandSectionsAreReadAndWrittenBack) {
    QByteArray many;
    for (int i = 0; i < 100000; ++i)
        many += "[S" + QByteArray::number(i) + "]\r\nk=" + QByteArray::number(i) + "\r\n";
    WriteBytes("Quorvel.ini", many + "[Quorvel (Shapes)]\r\nCount=1\r\n1=000000050,Last\r\n");
    WriteBytes("Quorvel.cfg", many + "[OptionsBlocks]\r\nPlayerName=Deep\r\n");
    EXPECT_EQ(EnterScore(10, "New").first(), "000000050,Last");
    {
        TIniStore store(HighScoreFileName());
        EXPECT_EQ(store.Sections().Count(), 100001);
        EXPECT_EQ(store.ReadString("S99999", "k", "gone"), "99999");
        EXPECT_EQ(store.ReadString("s0", "K", "gone"), "0");
    }
    EXPECT_EQ(ReadBlocksOptions().PlayerName, "Deep");
    WriteBlocksToggles(ToptionsRec());
    EXPECT_TRUE(ReadBytes("Quorvel.cfg").startsWith(many));

    // The same name a hundred thousand times: the first of them is the one.
    QByteArray same;
    for (int i = 0; i < 100000; ++i)
        same += "[Quorvel (Shapes)]\r\nCount=1\r\n1=" + PadScore(i).toUtf8() + ",Copy\r\n";
    WriteBytes("Quorvel.ini", same);
    EXPECT_EQ(EnterScore(3, "Three").mid(0, 2), QStringList({"000000003,Three", "000000000,Copy"}));
    EXPECT_EQ(ReadBytes("Quorvel.ini").count("[Quorvel (Shapes)]"), 1);
}

TEST_F(HostileFilesTest, HugeNegativeAndMissingCountsNeverRunAwayOrLeaveStaleRows) {
    QByteArray rows;
    for (int i = 1; i <= 10; ++i)
        rows += QByteArray::number(i) + "=" + PadScore(1000 - i).toUtf8() + ",Row " +
                QByteArray::number(i) + "\r\n";
    WriteBytes("Quorvel.ini", "[Quorvel (Shapes)]\r\nCount=2147483647\r\n" + rows);
    QStringList shown = EnterScore(995, "Entry");
    EXPECT_EQ(shown.mid(0, 6),
              QStringList({"000000999,Row 1", "000000998,Row 2", "000000997,Row 3",
                           "000000996,Row 4", "000000995,Row 5", "000000995,Entry"}));
    QByteArray file = ReadBytes("Quorvel.ini");
    EXPECT_TRUE(file.startsWith("[Quorvel (Shapes)]\r\nCount=10\r\n1=000000999,Row 1\r\n"));
    EXPECT_EQ(file.count("\r\n1="), 1);

    // A count below one reads no rows, so the default rows come back; the stored rows
    // are overwritten in place, none is left twice.
    WriteBytes("Quorvel.ini", "[Quorvel (Shapes)]\r\nCount=-5\r\n" + rows);
    shown = EnterScore(20, "Entry");
    EXPECT_EQ(shown.first(), "000000020,Entry");
    EXPECT_EQ(shown.last(), "000000001,Player 1");
    file = ReadBytes("Quorvel.ini");
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(file.count("\r\n" + QByteArray::number(i) + "="), 1) << i;
    EXPECT_FALSE(file.contains("Row "));
}

TEST_F(HostileFilesTest, RowsWithoutACommaAreAllNameAndStayInTheTable) {
    WriteBytes("Quorvel.ini",
               "[Quorvel (Shapes)]\r\nCount=3\r\n1=NoComma\r\n2=\r\n3=000000010,Ten\r\n");
    TfrmHigh table;
    table.GameName = QStringLiteral("Quorvel (Shapes)");
    table.Score = 30;
    table.PlayerName = QStringLiteral("Thirty");
    table.UpdateTable();
    // Text order puts the letters above the digits, and the empty row last.
    EXPECT_EQ(table.NameLabel(1)->Caption(), "NoComma");
    EXPECT_EQ(table.ScoreLabel(1)->Caption(), "");
    EXPECT_EQ(table.NameLabel(2)->Caption(), "Thirty");
    EXPECT_EQ(table.NameLabel(3)->Caption(), "Ten");
    EXPECT_EQ(table.NameLabel(4)->Caption(), "");
    EXPECT_TRUE(ReadBytes("Quorvel.ini").contains("\r\n1=NoComma\r\n"));
}

TEST_F(HostileFilesTest, AFolderOrAPipeWhereAFileShouldBeIsAnErrorNeverAHang) {
    ASSERT_TRUE(QDir().mkpath(PathOf("Quorvel.ini")));
    ASSERT_TRUE(QDir().mkpath(PathOf("Quorvel.cfg")));
    try {
        EnterScore(10, "Dir");
        ADD_FAILURE() << "a folder in the table's place was taken for a table";
    } catch (const EInOutError& error) {
        EXPECT_TRUE(error.Message().contains(HighScoreFileName())) << error.Message().toStdString();
    }
    EXPECT_EQ(ReadShapesOptions().PlayerName, "Pembo");
    EXPECT_THROW(WriteShapesToggles(ToptionsRec()), Exception);
    EXPECT_TRUE(QFileInfo(PathOf("Quorvel.ini")).isDir());
    EXPECT_TRUE(QFileInfo(PathOf("Quorvel.cfg")).isDir());
    EXPECT_TRUE(TmpFiles().isEmpty());
    ASSERT_TRUE(QDir(PathOf("Quorvel.ini")).removeRecursively());
    ASSERT_TRUE(QDir(PathOf("Quorvel.cfg")).removeRecursively());

    // Found while writing this test: opening a pipe waited for a writer that never came.
    ASSERT_EQ(::mkfifo(QFile::encodeName(PathOf("Quorvel.ini")).constData(), 0600), 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(PathOf("Quorvel.cfg")).constData(), 0600), 0);
    EXPECT_THROW(EnterScore(10, "Pipe"), EInOutError);
    EXPECT_EQ(ReadShapesOptions().PlayerName, "Pembo");
    EXPECT_THROW(WriteShapesToggles(ToptionsRec()), Exception);

    // A device that never ends: read for ever before.
    ASSERT_TRUE(QFile::remove(PathOf("Quorvel.ini")));
    ASSERT_TRUE(QFile::link("/dev/zero", PathOf("Quorvel.ini")));
    EXPECT_THROW(EnterScore(10, "Zero"), EInOutError);
}

} // namespace
