#include "platform/files/AppPath.h"
#include "platform/files/IniText.h"
#include "settings/TextCompare.h"
#include "settings/uHighScoreTable.h"
#include "tests/common/TestSupport.h"
#include "tests/settings/SettingsTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QTimer>
#include <cerrno>
#include <memory>

namespace {

const QString kShapes = QStringLiteral("Quorvel (Shapes)");

QByteArray Section(const QString& name, const QStringList& rows) {
    QByteArray text =
        "[" + name.toUtf8() + "]\r\nCount=" + QByteArray::number(rows.size()) + "\r\n";
    for (qsizetype i = 0; i < rows.size(); ++i)
        text += QByteArray::number(i + 1) + "=" + rows[i].toUtf8() + "\r\n";
    return text + "\r\n";
}

QStringList Defaults() {
    QStringList rows;
    for (int i = 9; i >= 0; --i)
        rows << QStringLiteral("00000000%1,Player %1").arg(i);
    return rows;
}

} // namespace

class HighScoreTableTest : public TestFolder {
protected:
    // Runs UpdateTable as a caller does and gives the rows shown, "score,name".
    QStringList Show(const QString& game, int32_t score, const QString& player) {
        return ShownRows(game, score, player);
    }
    QString IniName() const { return PathOf("Quorvel.ini"); }
};

TEST_F(HighScoreTableTest, TheFirstShapesGameEverWritesTheDefaultsWithTheNewRowOnTop) {
    TfrmHigh form;
    EXPECT_EQ(form.Caption(), "Highscores");
    form.GameName = kShapes;
    form.Score = 40;
    form.PlayerName = "Pembo";
    form.UpdateTable();
    EXPECT_EQ(form.Caption(), "Highest Scores Quorvel (Shapes)");
    EXPECT_TRUE(Dialogs.empty());
    EXPECT_EQ(form.txt1->Caption(), "Pembo");
    EXPECT_EQ(form.txtS1->Caption(), "000000040");
    EXPECT_EQ(form.txt2->Caption(), "Player 9");
    EXPECT_EQ(form.txt10->Caption(), "Player 1");
    EXPECT_EQ(form.txts10->Caption(), "000000001");
    EXPECT_EQ(ReadBytes("Quorvel.ini"), "[Quorvel (Shapes)]\r\n"
                                        "Count=10\r\n"
                                        "1=000000040,Pembo\r\n"
                                        "2=000000009,Player 9\r\n"
                                        "3=000000008,Player 8\r\n"
                                        "4=000000007,Player 7\r\n"
                                        "5=000000006,Player 6\r\n"
                                        "6=000000005,Player 5\r\n"
                                        "7=000000004,Player 4\r\n"
                                        "8=000000003,Player 3\r\n"
                                        "9=000000002,Player 2\r\n"
                                        "10=000000001,Player 1\r\n"
                                        "\r\n");
}

TEST_F(HighScoreTableTest, ViewingFromTheMenuWritesTheDefaultsOnceAndNeverAddsItsOwnRow) {
    EXPECT_EQ(Show(kShapes, 0, "Play To Get Here"), Defaults());
    const QByteArray written = ReadBytes("Quorvel.ini");
    EXPECT_EQ(written, Section(kShapes, Defaults()));
    ASSERT_TRUE(AgeFile(IniName()));

    EXPECT_EQ(Show(kShapes, 0, "Play To Get Here"), Defaults());
    // A score below the table changes nothing either.
    EXPECT_EQ(Show(kShapes, 0, "Aaron"), Defaults());
    EXPECT_EQ(ReadBytes("Quorvel.ini"), written);
    EXPECT_EQ(ModifiedSecs(IniName()), 978307200);

    // Another table goes into a section of its own; the first stays as it was.
    Show("Quorvel (Blocks)", 5, "Ann");
    EXPECT_TRUE(ReadBytes("Quorvel.ini").startsWith(written));
}

TEST_F(HighScoreTableTest, EqualScoresRankTheNameThatSortsLaterHigherIgnoringCase) {
    WriteBytes("Quorvel.ini", Section(kShapes, Defaults()));
    Show(kShapes, 50, "Ann");
    const QStringList shown = Show(kShapes, 50, "bob");
    EXPECT_EQ(shown[0], "000000050,bob");
    EXPECT_EQ(shown[1], "000000050,Ann");
    EXPECT_EQ(shown[9], "000000002,Player 2");
}

TEST_F(HighScoreTableTest, AScoreEqualToTheTenthEntersOnlyWithANameSortingAfterIt) {
    QStringList rows;
    for (int i = 0; i < 9; ++i)
        rows << QStringLiteral("00000%1,High").arg(900 - i * 10, 4, 10, QChar(u'0'));
    rows << "000000100,Zed";
    WriteBytes("Quorvel.ini", Section(kShapes, rows));
    ASSERT_TRUE(AgeFile(IniName()));

    EXPECT_EQ(Show(kShapes, 100, "Aaron"), rows);
    EXPECT_EQ(ModifiedSecs(IniName()), 978307200);

    QStringList expected = rows;
    expected[9] = "000000100,Zoe";
    EXPECT_EQ(Show(kShapes, 100, "Zoe"), expected);
    EXPECT_EQ(ReadBytes("Quorvel.ini"), Section(kShapes, expected));
}

TEST_F(HighScoreTableTest, NamesWithCommasStayWholeAndLineBreaksBecomeSpaces) {
    EXPECT_EQ(Show(kShapes, 70, "Smith, John")[0], "000000070,Smith, John");
    EXPECT_TRUE(ReadBytes("Quorvel.ini").contains("\r\n1=000000070,Smith, John\r\n"));

    Answer(true, "Evil\r\n[Quorvel (Shapes)]\nCount=0");
    EXPECT_EQ(Show(kShapes, 80, "")[0], "000000080,Evil  [Quorvel (Shapes)] Count=0");
    EXPECT_EQ(Show(kShapes, 0, "x")[1], "000000070,Smith, John");
}

TEST_F(HighScoreTableTest, AnEmptyPlayerNameAsksAndACancelledPromptAddsNoRow) {
    Answer(false, "typed but cancelled");
    EXPECT_EQ(Show(kShapes, 500, ""), Defaults());
    ASSERT_EQ(Dialogs.size(), 1u);
    EXPECT_EQ(Dialogs[0].Kind, TDialogKind::Input);
    EXPECT_EQ(Dialogs[0].Caption, "Highscores");
    EXPECT_EQ(Dialogs[0].Text, "Please Enter Your Name");
    EXPECT_EQ(Dialogs[0].MaxLength, 255);
    EXPECT_EQ(ReadBytes("Quorvel.ini"), Section(kShapes, Defaults()));

    Answer(true, "");
    EXPECT_EQ(Show(kShapes, 500, ""), Defaults());
    Answer(true, "Kim");
    EXPECT_EQ(Show(kShapes, 500, "")[0], "000000500,Kim");
    EXPECT_EQ(Dialogs.size(), 3u);
}

TEST_F(HighScoreTableTest, AHandEditedSectionShowsWhatItHoldsBestFirst) {
    WriteBytes("Quorvel.ini", "[quorvel (shapes)]\nCount=3\n1=000000005,Low\n"
                              "2=no comma here\n3=000000300,Top\n");
    const QStringList shown = Show(kShapes, 20, "New");
    // A row without a comma is all name and, as text, sorts above every score.
    EXPECT_EQ(shown.mid(0, 5), QStringList({",no comma here", "000000300,Top", "000000020,New",
                                            "000000005,Low", ","}));
    EXPECT_EQ(shown.last(), ",");
    EXPECT_EQ(ReadBytes("Quorvel.ini"),
              "[quorvel (shapes)]\r\nCount=4\r\n1=no comma here\r\n2=000000300,Top\r\n"
              "3=000000020,New\r\n4=000000005,Low\r\n\r\n");
}

TEST_F(HighScoreTableTest, ATableThatCannotBeWrittenSaysWhyAndIsStillShown) {
    WriteBytes("plain", "a file where a folder should be");
    SetExeFileNameForTests(PathOf("plain/Quorvel"));
    EXPECT_EQ(Show(kShapes, 20, "Pembo").mid(0, 2),
              QStringList({"000000020,Pembo", "000000009,Player 9"}));
    ASSERT_EQ(Dialogs.size(), 1u);
    EXPECT_EQ(Dialogs[0].Kind, TDialogKind::Error);
    EXPECT_EQ(Dialogs[0].Text, "Unable to write to " + PathOf("plain/Quorvel.ini") + ": " +
                                   qt_error_string(ENOTDIR));

    // A file that cannot be read gives no table to show: that reaches the caller.
    SetExeFileNameForTests(PathOf("Quorvel"));
    ASSERT_TRUE(QDir(PathOf("")).mkpath("Quorvel.ini"));
    EXPECT_THROW(Show(kShapes, 20, "Pembo"), EInOutError);
}

TEST_F(HighScoreTableTest, TheWindowLayoutAndItsOkButton) {
    TfrmHigh form;
    EXPECT_EQ(form.ClientWidth(), 389);
    EXPECT_EQ(form.ClientHeight(), 319);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowSystemMenuHint);
    const int tops[] = {27, 53, 78, 101, 125, 150, 174, 198, 221, 244};
    for (int row = 1; row <= 10; ++row) {
        EXPECT_EQ(form.NameLabel(row)->geometry(), QRect(11, tops[row - 1], 200, 23));
        EXPECT_EQ(form.ScoreLabel(row)->geometry(), QRect(288, tops[row - 1], 99, 23));
    }
    EXPECT_EQ(form.txts2, form.ScoreLabel(2));
    EXPECT_EQ(form.btnOK->geometry(), QRect(157, 283, 75, 25));
    EXPECT_EQ(form.btnOK->text(), "&OK");

    // Enter on the focused button ends a real modal loop with OK (ShowModal is
    // answered by the test fixture, so the loop is run directly).
    bool focused = false;
    QTimer::singleShot(0, &form, [&] {
        focused = form.focusWidget() == form.btnOK;
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(form.focusWidget(), &enter);
    });
    EXPECT_EQ(form.exec(), QDialog::Accepted);
    EXPECT_TRUE(focused);
}

TEST_F(HighScoreTableTest, RowsCastAGreenShadowTwoPixelsRightAndDown) {
    TfrmHigh form;
    form.GameName = kShapes;
    form.PlayerName = "Pembo";
    form.Score = 40;
    form.UpdateTable();
    const QImage image = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect label = form.txtS1->geometry();
    QRect lime;
    QRect green;
    QRect any;
    for (int y = label.top(); y < label.bottom() + 3; ++y)
        for (int x = label.left(); x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qRed(p) != 0 || qBlue(p) != 0 || qGreen(p) == 0) continue;
            any |= QRect(x, y, 1, 1);
            if (qGreen(p) == 255) lime |= QRect(x, y, 1, 1);
            if (qGreen(p) == 128) green |= QRect(x, y, 1, 1);
        }
    ASSERT_FALSE(lime.isEmpty());
    ASSERT_FALSE(green.isEmpty());
    // Right-aligned: the text keeps clear of the edge so its whole shadow shows.
    EXPECT_LE(any.right(), label.right());
    EXPECT_GE(any.right() - lime.right(), 2);
    EXPECT_NEAR(any.bottom() - lime.bottom(), 2, 1);
    EXPECT_NEAR(any.top(), lime.top(), 1);
    EXPECT_EQ(QColor(image.pixel(5, 5)), QColor(Qt::black));
}

TEST(TextCompare, AsciiNamesSortIgnoringCaseAndEqualityIgnoresCase) {
    QStringList names{"bob", "Ann", "zed", "Aaron", "ANNA", "Zoe"};
    SortText(names);
    EXPECT_EQ(names, QStringList({"Aaron", "Ann", "ANNA", "bob", "zed", "Zoe"}));
    EXPECT_TRUE(SameText("Quorvel (Shapes)", "QUORVEL (shapes)"));
    EXPECT_FALSE(SameText("Key ", "Key"));
    EXPECT_LT(AnsiCompareText("000000050,Ann", "000000050,bob"), 0);
}
