#include "settings/IniStore.h"
#include "platform/files/IniText.h"
#include "tests/common/TestSupport.h"
#include "tests/settings/SettingsTestSupport.h"

#include <cerrno>

using IniStoreTest = TestFolder;

TEST_F(IniStoreTest, AMissingFileIsAnEmptyStoreAndReleasingItCreatesNothing) {
    {
        TIniStore store(PathOf("s.ini"));
        EXPECT_EQ(store.Sections().Count(), 0);
        EXPECT_EQ(store.ReadString("Any", "Key", "def"), "def");
        EXPECT_EQ(store.ReadInteger("Any", "Count", 7), 7);
        QStringList rows;
        store.ReadNumberedList("Any", rows, "x");
        EXPECT_TRUE(rows.isEmpty());
        EXPECT_FALSE(store.Modified());
    }
    EXPECT_FALSE(QFile::exists(PathOf("s.ini")));
}

TEST_F(IniStoreTest, ARepeatedSectionKeepsTheFirstAndCausesNoRewriteByItself) {
    const QByteArray text = "[Top]\r\na=1\r\n\r\n[Other]\r\nb=2\r\n\r\n[TOP]\r\na=9\r\nc=3\r\n\r\n";
    WriteBytes("s.ini", text);
    ASSERT_TRUE(AgeFile(PathOf("s.ini")));
    {
        TIniStore store(PathOf("s.ini"));
        EXPECT_EQ(store.Sections().Count(), 2);
        EXPECT_EQ(store.ReadString("top", "A", "d"), "1");
        EXPECT_EQ(store.ReadString("Top", "c", "d"), "d");
        EXPECT_FALSE(store.Modified());
    }
    EXPECT_EQ(ReadBytes("s.ini"), text);
    EXPECT_EQ(ModifiedSecs(PathOf("s.ini")), 978307200);
    {
        TIniStore store(PathOf("s.ini"));
        store.WriteString("OTHER", "b", "5");
        store.UpdateFile();
    }
    EXPECT_EQ(ReadBytes("s.ini"), "[Top]\r\na=1\r\n\r\n[Other]\r\nb=5\r\n\r\n");
}

TEST_F(IniStoreTest, LinesStayAsReadAndOnlyTheTextBeforeTheFirstEqualsSignIsTheKey) {
    WriteBytes("s.ini", "stray=before any section\r\n"
                        "[ Scores ]\r\n"
                        "; comment=1\r\n"
                        "Key = v\r\n"
                        "q=\"quoted\"=x\r\n"
                        "no equals sign\r\n"
                        "\r\n"
                        "[]\r\n"
                        "e=empty name\r\n");
    TIniStore store(PathOf("s.ini"));
    EXPECT_EQ(store.ReadString(" Scores ", "Key", "d"), "d");
    EXPECT_EQ(store.ReadString(" scores ", "Key ", "d"), " v");
    EXPECT_EQ(store.ReadString(" Scores ", "; comment", "d"), "d");
    EXPECT_EQ(store.ReadString(" Scores ", "Q", "d"), "\"quoted\"=x");
    EXPECT_EQ(store.ReadString("Scores", "q", "d"), "d");
    EXPECT_EQ(store.ReadString("", "e", "d"), "empty name");

    QStringList lines{"already there"};
    store.ReadSectionValues(" SCORES ", lines);
    EXPECT_EQ(lines, QStringList({"already there", "; comment=1", "Key = v", "q=\"quoted\"=x",
                                  "no equals sign"}));

    store.WriteString(" Scores ", "New", "1");
    store.UpdateFile();
    EXPECT_EQ(ReadBytes("s.ini"), "[ Scores ]\r\n"
                                  "; comment=1\r\n"
                                  "Key = v\r\n"
                                  "q=\"quoted\"=x\r\n"
                                  "no equals sign\r\n"
                                  "New=1\r\n"
                                  "\r\n"
                                  "[]\r\n"
                                  "e=empty name\r\n"
                                  "\r\n");
}

TEST_F(IniStoreTest, LongLinesAreCutTo255BytesAtAWholeCharacter) {
    WriteBytes("s.ini", "[S]\r\nlong=" + QByteArray(295, 'x') + "\r\n");
    {
        TIniStore store(PathOf("s.ini"));
        EXPECT_EQ(store.ReadString("S", "long", ""), QString(250, u'x'));
        // 'name=' and 249 letters leave one byte, too little for the two of "é".
        store.WriteString("S", "name", QString(249, u'n') + QStringLiteral("éé"));
        EXPECT_EQ(store.ReadString("S", "name", ""), QString(249, u'n'));
        store.WriteString("S", "line", "one\r\n[Two]\ntwo=2");
        EXPECT_EQ(store.ReadString("S", "line", ""), "one  [Two] two=2");
        store.UpdateFile();
    }
    EXPECT_EQ(ReadBytes("s.ini"), "[S]\r\nlong=" + QByteArray(250, 'x') + "\r\nname=" +
                                      QByteArray(249, 'n') + "\r\nline=one  [Two] two=2\r\n\r\n");
}

TEST_F(IniStoreTest, ASectionWithoutLinesLeavesNoTraceInTheFile) {
    WriteBytes("s.ini", "[Gone]\r\nonly=1\r\n\r\n[Kept]\r\nk=1\r\n\r\n");
    {
        TIniStore store(PathOf("s.ini"));
        store.DeleteKey("gone", "ONLY");
        EXPECT_TRUE(store.Modified());
        store.DeleteKey("Never There", "x");
        store.UpdateFile();
    }
    EXPECT_EQ(ReadBytes("s.ini"), "[Kept]\r\nk=1\r\n\r\n");
}

TEST_F(IniStoreTest, OnlyAChangedLineMarksTheStoreModified) {
    WriteBytes("s.ini", "[S]\r\nName=Ann\r\n");
    TIniStore store(PathOf("s.ini"));
    store.WriteString("s", "Name", "Ann");
    EXPECT_FALSE(store.Modified());
    store.WriteString("S", "NAME", "Ann");
    EXPECT_TRUE(store.Modified());
    store.UpdateFile();
    EXPECT_FALSE(store.Modified());
    EXPECT_EQ(ReadBytes("s.ini"), "[S]\r\nNAME=Ann\r\n\r\n");
}

TEST_F(IniStoreTest, ReadIntegerTakesDecimalAndBothHexFormsAndNothingElse) {
    WriteBytes("s.ini", "[N]\r\nhex=0x1F\r\nHEX=0X1f\r\ndollar=$1F\r\nmixed=12abc\r\nempty=\r\n"
                        "neg= -7\r\nbig=2147483648\r\nmin=-2147483648\r\n");
    TIniStore store(PathOf("s.ini"));
    EXPECT_EQ(store.ReadInteger("N", "hex", -1), 31);
    EXPECT_EQ(store.ReadInteger("N", "dollar", -1), 31);
    EXPECT_EQ(store.ReadInteger("N", "mixed", -1), -1);
    EXPECT_EQ(store.ReadInteger("N", "empty", -1), -1);
    EXPECT_EQ(store.ReadInteger("N", "neg", 0), -7);
    EXPECT_EQ(store.ReadInteger("N", "big", -1), -1);
    EXPECT_EQ(store.ReadInteger("N", "min", 0), INT32_MIN);
    store.WriteInteger("N", "neg", -42);
    EXPECT_EQ(store.ReadString("N", "neg", ""), "-42");
}

TEST_F(IniStoreTest, WritingBackTheStoredListLeavesTheFileUntouched) {
    const QByteArray text = "[T]\r\nCount=3\r\n1=c\r\n2=b\r\n3=a\r\n\r\n";
    WriteBytes("s.ini", text);
    ASSERT_TRUE(AgeFile(PathOf("s.ini")));
    {
        TIniStore store(PathOf("s.ini"));
        QStringList rows;
        store.ReadNumberedList("T", rows, "");
        EXPECT_EQ(rows, QStringList({"c", "b", "a"}));
        store.WriteNumberedList("T", rows);
        EXPECT_FALSE(store.Modified());
        store.UpdateFile();
    }
    EXPECT_EQ(ReadBytes("s.ini"), text);
    EXPECT_EQ(ModifiedSecs(PathOf("s.ini")), 978307200);
}

TEST_F(IniStoreTest, WriteNumberedListKeepsTheCountLineInPlaceAndMovesTheRowsToTheEnd) {
    WriteBytes("s.ini", "[T]\r\nCount=3\r\n1=a\r\nkeep=1\r\n2=b\r\n3=c\r\n4=d\r\n");
    {
        TIniStore store(PathOf("s.ini"));
        store.WriteNumberedList("T", {"x", "y"});
        store.WriteNumberedList("Fresh", {"one"});
        EXPECT_TRUE(store.Modified());
        store.UpdateFile();
    }
    // Key 4 was beyond the old count and stays.
    EXPECT_EQ(ReadBytes("s.ini"), "[T]\r\nCount=2\r\nkeep=1\r\n4=d\r\n1=x\r\n2=y\r\n\r\n"
                                  "[Fresh]\r\nCount=1\r\n1=one\r\n\r\n");

    // The same rows in new order are a change, even though every line is kept.
    TIniStore store(PathOf("s.ini"));
    store.WriteNumberedList("T", {"y", "x"});
    EXPECT_TRUE(store.Modified());
}

TEST_F(IniStoreTest, AHandEditedCountCostsNoMoreThanTheLinesThereAre) {
    WriteBytes("s.ini", "[T]\r\nCount=2147483647\r\n1=a\r\n50=fifty\r\n");
    TIniStore store(PathOf("s.ini"));
    QStringList rows;
    store.ReadNumberedList("T", rows, "-");
    EXPECT_EQ(rows, QStringList({"a", "-", "-"}));

    store.WriteNumberedList("T", {"z"});
    QStringList lines;
    store.ReadSectionValues("T", lines);
    EXPECT_EQ(lines, QStringList({"Count=1", "1=z"}));

    store.WriteString("T", "Count", "-3");
    rows.clear();
    store.ReadNumberedList("T", rows, "-");
    EXPECT_TRUE(rows.isEmpty());
}

TEST_F(IniStoreTest, AFileWithLfLineEndsKeepsItsSectionsAndIsWrittenWithCrLf) {
    WriteBytes("s.ini", "[Quorvel (Shapes)]\nCount=1\n1=000000040,Pembo\n\n[Other]\nk=v\n");
    TIniStore store(PathOf("s.ini"));
    QStringList rows;
    store.ReadNumberedList("Quorvel (Shapes)", rows, "");
    EXPECT_EQ(rows, QStringList({"000000040,Pembo"}));
    store.WriteString("Other", "k", "w");
    store.UpdateFile();
    EXPECT_EQ(ReadBytes("s.ini"),
              "[Quorvel (Shapes)]\r\nCount=1\r\n1=000000040,Pembo\r\n\r\n[Other]\r\nk=w\r\n\r\n");
}

TEST_F(IniStoreTest, AFailedWriteReachesTheCallerAndKeepsTheChangesPending) {
    WriteBytes("plain", "a file where a folder should be");
    const QString name = PathOf("plain/s.ini");
    TIniStore store(name);
    store.WriteString("S", "k", "v");
    try {
        store.UpdateFile();
        FAIL() << "the write was not refused";
    } catch (const EInOutError& error) {
        EXPECT_EQ(error.ErrorCode(), ENOTDIR);
        EXPECT_TRUE(error.Message().contains(name)) << error.Message().toStdString();
    }
    EXPECT_TRUE(store.Modified());
    // The store is released here: its last attempt fails again without throwing.
}

TEST_F(IniStoreTest, SetFileNameWritesPendingChangesToTheFileTheyBelongTo) {
    WriteBytes("b.ini", "[B]\r\nk=b\r\n");
    TIniStore store(PathOf("a.ini"));
    store.WriteString("A", "k", "a");
    store.SetFileName(PathOf("b.ini"));
    EXPECT_FALSE(store.Modified());
    EXPECT_EQ(ReadBytes("a.ini"), "[A]\r\nk=a\r\n\r\n");
    EXPECT_EQ(store.ReadString("A", "k", "none"), "none");
    EXPECT_EQ(store.ReadString("B", "k", "none"), "b");
}
