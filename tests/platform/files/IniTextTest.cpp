#include "platform/files/IniText.h"
#include "tests/common/TestSupport.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <sys/stat.h>

namespace {

QStringList ReadInChunks(const QString& fileName, qsizetype bufferSize, qsizetype maxBytes) {
    QStringList lines;
    ReadIniLines(fileName, bufferSize, maxBytes, [&](const QString& line) { lines.append(line); });
    return lines;
}

} // namespace

using IniTextTest = TestFolder;

TEST(IniLines, AnyLineEndEndsALineAndCtrlZEndsTheText) {
    EXPECT_EQ(SplitIniLines("a\r\nb\rc\nd"), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(SplitIniLines("a\n\r\nb\r\n\r\n"), QStringList({"a", "", "b", ""}));
    // CR LF is one line end, LF CR two.
    EXPECT_EQ(SplitIniLines("a\n\rb"), QStringList({"a", "", "b"}));
    EXPECT_EQ(SplitIniLines("a\r\nhalf\x1A"
                            "after\r\n"),
              QStringList({"a", "half"}));
    EXPECT_EQ(SplitIniLines(""), QStringList());
}

TEST(IniLines, AByteOrderMarkIsDroppedOnlyAtTheStart) {
    EXPECT_EQ(SplitIniLines("\xEF\xBB\xBF[S]\nk=\xEF\xBB\xBF"),
              QStringList({"[S]", QStringLiteral("k=\uFEFF")}));
    EXPECT_EQ(SplitIniLines("\xEF\xBB\xBF"), QStringList());
    EXPECT_EQ(SplitIniLines("\xEF\xBB").size(), 1);
    EXPECT_EQ(SplitIniLines("ab"), QStringList({"ab"}));
}

TEST(IniLines, CutKeepsWholeUtf8CharactersAndSkipsTheRestOfTheLine) {
    const QByteArray ascii(300, 'x');
    EXPECT_EQ(SplitIniLines(ascii + "\r\nnext", 255), QStringList({QString(255, u'x'), "next"}));

    // "é" takes two bytes and "€" three; neither may be split at byte 255.
    const QByteArray e = QString(u'é').toUtf8();
    const QByteArray euro = QString(u'€').toUtf8();
    EXPECT_EQ(SplitIniLines(QByteArray(254, 'a') + e + "tail", 255)[0], QString(254, u'a'));
    EXPECT_EQ(SplitIniLines(QByteArray(253, 'a') + e + "tail", 255)[0], QString(253, u'a') + u'é');
    EXPECT_EQ(SplitIniLines(QByteArray(253, 'a') + euro, 255)[0], QString(253, u'a'));
    EXPECT_EQ(CutUtf8(QString(85, u'€'), 255), QString(85, u'€'));
    EXPECT_EQ(CutUtf8(QString(86, u'€'), 255), QString(85, u'€'));
}

TEST(IniLines, BytesThatAreNotUtf8ComeBackAsTheyWereAlsoWhenALineIsCut) {
    // Stray bytes, a truncated "€", an overlong "/", an encoded surrogate, and valid text
    // between them; U+10080 ends in the unit U+DC80 and must stay one character.
    const QByteArray mixed = "a\xFF\xFE\xE2\x82-\xC0\xAF\xED\xA0\x80\xC3\xA9\xF0\x90\x82\x80z";
    const QString text = DecodeIniText(mixed);
    EXPECT_EQ(EncodeIniText(text), mixed);
    EXPECT_TRUE(text.startsWith(u'a') &&
                text.endsWith(QString::fromUtf8("\xC3\xA9\xF0\x90\x82\x80z")));
    EXPECT_EQ(DecodeIniText(QString::fromUtf8("\xF0\x90\x82\x80").toUtf8()).size(), 2);

    const QByteArray noise(300, '\xFF');
    const QStringList lines = SplitIniLines(noise + "\r\n", 255);
    EXPECT_EQ(EncodeIniText(lines[0]), QByteArray(255, '\xFF'));
    EXPECT_EQ(EncodeIniText(CutUtf8(DecodeIniText(noise), 200)), QByteArray(200, '\xFF'));
}

TEST_F(IniTextTest, ReadingThroughASmallBufferGivesTheSameLines) {
    const QByteArray text = "\xEF\xBB\xBF[s]\r\nkey=value\r\n\r\nlong" + QByteArray(40, 'z') +
                            "\nlast\r\n\x1A"
                            "ignored";
    WriteBytes("t.ini", text);
    const QStringList whole = SplitIniLines(text, 20);
    ASSERT_EQ(whole.size(), 5);
    EXPECT_EQ(whole[0], "[s]");
    // Buffer ends fall between CR and LF, inside the cut and on the end byte.
    for (qsizetype size = 1; size <= 9; ++size)
        EXPECT_EQ(ReadInChunks(PathOf("t.ini"), size, 20), whole) << size;
}

TEST_F(IniTextTest, ReadingTellsMissingFilesFromUnreadableOnes) {
    bool called = false;
    const auto onLine = [&](const QString&) { called = true; };
    EXPECT_FALSE(ReadIniLines(PathOf("none.ini"), 64, -1, onLine));
    WriteBytes("plain", "a file, not a folder");
    EXPECT_FALSE(ReadIniLines(PathOf("plain/x.ini"), 64, -1, onLine));
    EXPECT_FALSE(called);

    ASSERT_TRUE(QDir(PathOf("")).mkdir("folder.ini"));
    try {
        ReadIniLines(PathOf("folder.ini"), 64, -1, onLine);
        FAIL() << "a folder read as a file";
    } catch (const EInOutError& error) {
        EXPECT_EQ(error.ErrorCode(), EISDIR);
        EXPECT_TRUE(error.Message().contains(PathOf("folder.ini")));
    }
}

TEST_F(IniTextTest, AtomicWriteReplacesTheFileAndKeepsItsRights) {
    WriteBytes("data.ini", "old");
    ASSERT_EQ(::chmod(QFile::encodeName(PathOf("data.ini")).constData(), 0640), 0);
    WriteFileAtomically(PathOf("data.ini"), "new content");
    EXPECT_EQ(ReadBytes("data.ini"), "new content");
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(PathOf("data.ini")).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(QDir(PathOf("")).entryList(QDir::Files), QStringList({"data.ini"}));

    // What a write killed during its rename left goes with the next write; a player's
    // own files of similar names stay.
    for (const char* name : {"data.ini.1f3a09bc.tmp", "data.ini.backup", "data.ini.zz.tmp",
                             "data.ini.tmp", "other.ini.1f.tmp"})
        WriteBytes(name, "x");
    WriteFileAtomically(PathOf("data.ini"), "newer");
    EXPECT_EQ(QDir(PathOf("")).entryList(QDir::Files),
              QStringList({"data.ini", "data.ini.backup", "data.ini.tmp", "data.ini.zz.tmp",
                           "other.ini.1f.tmp"}));

    // A link stays a link; the file it points to takes the new content.
    ASSERT_TRUE(QFile::link(PathOf("data.ini"), PathOf("link.ini")));
    WriteFileAtomically(PathOf("link.ini"), "through the link");
    EXPECT_TRUE(QFileInfo(PathOf("link.ini")).isSymLink());
    EXPECT_EQ(ReadBytes("data.ini"), "through the link");
}

TEST_F(IniTextTest, AnInterruptedOrRefusedWriteLeavesTheOldFileWhole) {
    WriteBytes("data.ini", "old content");
    {
        TAtomicFileWriter writer(PathOf("data.ini"));
        writer.Write("half of the new");
        // Destroyed without Commit, as when the write is cut short.
    }
    EXPECT_EQ(ReadBytes("data.ini"), "old content");
    EXPECT_EQ(QDir(PathOf("")).entryList(QDir::Files), QStringList({"data.ini"}));

    WriteBytes("plain", "x");
    try {
        WriteFileAtomically(PathOf("plain/data.ini"), "bytes");
        FAIL() << "wrote below a regular file";
    } catch (const EInOutError& error) {
        EXPECT_EQ(error.ErrorCode(), ENOTDIR);
        EXPECT_EQ(error.Message(), "Unable to write to " + PathOf("plain/data.ini") + ": " +
                                       qt_error_string(ENOTDIR));
    }

    // The rename itself fails when a folder stands where the file goes.
    ASSERT_TRUE(QDir(PathOf("")).mkpath("taken.ini/inside"));
    EXPECT_THROW(WriteFileAtomically(PathOf("taken.ini"), "bytes"), EInOutError);
    EXPECT_TRUE(QFileInfo(PathOf("taken.ini/inside")).isDir());
    EXPECT_EQ(QDir(PathOf("")).entryList(QDir::Files), QStringList({"data.ini", "plain"}));
}
