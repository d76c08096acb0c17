#include "platform/files/AppPath.h"
#include "settings/OptionsFile.h"
#include "settings/uOptions.h"
#include "tests/common/TestSupport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTabBar>
#include <cerrno>
#include <memory>

namespace {

const QByteArray kAllDefaults = "[OptionsShapes]\r\n"
                                "PlayerName=Pembo\r\n"
                                "ShowPiece=1\r\n"
                                "BeepOnDrop=1\r\n"
                                "UseSound=1\r\n"
                                "DrawGrid=1\r\n"
                                "UseDefaultPieces=0\r\n"
                                "SpeedUpOnBoth=0\r\n"
                                "SpeedUpOnLine=0\r\n"
                                "\r\n"
                                "[OptionsBlocks]\r\n"
                                "PlayerName=Pembo\r\n"
                                "BeepOnDrop=1\r\n"
                                "UseSound=1\r\n"
                                "SpeedUpOnBoth=0\r\n"
                                "SpeedUpOnLine=0\r\n";

void Press(QWidget* target, int key) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(target, &up);
}

// Labels and check boxes grow from their width when their text needs more room.
void ExpectPlaced(const QWidget* widget, const QRect& place) {
    EXPECT_EQ(widget->pos(), place.topLeft()) << widget->objectName().toStdString();
    EXPECT_EQ(widget->height(), place.height());
    EXPECT_GE(widget->width(), place.width());
    EXPECT_GE(widget->width(), widget->sizeHint().width());
}

} // namespace

class OptionsDialog : public TestFolder {
protected:
    TfrmOptions& Open() {
        form = std::make_unique<TfrmOptions>();
        return *form;
    }
    std::unique_ptr<TfrmOptions> form;
};

TEST_F(OptionsDialog, LaysOutBothPagesWithBlocksInFront) {
    TfrmOptions& f = Open();
    EXPECT_EQ(f.Caption(), "Quorvel Options");
    EXPECT_EQ(f.size(), QSize(251, 201));
    EXPECT_EQ(f.pos(), QPoint(490, 437));
    EXPECT_EQ(f.TabbedNotebook1->geometry(), QRect(0, 0, 251, 176));
    ASSERT_EQ(f.TabbedNotebook1->count(), 2);
    EXPECT_EQ(f.TabbedNotebook1->tabText(0), "Blocks");
    EXPECT_EQ(f.TabbedNotebook1->tabText(1), "Shapes");
    EXPECT_EQ(f.TabbedNotebook1->currentWidget(), f.PageBlocks);

    EXPECT_EQ(f.Label2->text(), "Player Name");
    ExpectPlaced(f.Label2, QRect(8, 6, 60, 13));
    EXPECT_EQ(f.txtB_PlayerName->geometry(), QRect(8, 25, 121, 21));
    EXPECT_EQ(f.chkb_UseSound->text(), "Use Sound");
    ExpectPlaced(f.chkb_UseSound, QRect(8, 51, 97, 17));
    EXPECT_EQ(f.chkb_BeepOnDrop->text(), "Click On Drop");
    ExpectPlaced(f.chkb_BeepOnDrop, QRect(8, 68, 97, 17));
    EXPECT_EQ(f.rdoB_Speed->title(), "Speed Up On");
    EXPECT_EQ(f.rdoB_Speed->geometry(), QRect(134, 3, 105, 59));
    EXPECT_EQ(f.chkb_UseSound->parentWidget(), f.PageBlocks);

    ExpectPlaced(f.Label1, QRect(8, 6, 60, 13));
    EXPECT_EQ(f.txtS_PlayerName->geometry(), QRect(8, 25, 121, 21));
    EXPECT_EQ(f.rdos_Speed->geometry(), QRect(134, 3, 105, 59));
    for (TRadioGroup* group : {f.rdoB_Speed, f.rdos_Speed}) {
        ASSERT_EQ(group->Count(), 3);
        EXPECT_EQ(group->Item(0)->text(), "Line Complete");
        EXPECT_EQ(group->Item(1)->text(), "Timer");
        EXPECT_EQ(group->Item(2)->text(), "Both");
        for (int i = 0; i < 3; ++i)
            EXPECT_TRUE(group->rect().contains(group->Item(i)->geometry())) << i;
    }
    EXPECT_EQ(f.chks_ShowNextPiece->text(), "Show Next Piece");
    ExpectPlaced(f.chks_ShowNextPiece, QRect(9, 55, 118, 17));
    ExpectPlaced(f.chks_UseSound, QRect(9, 71, 97, 17));
    ExpectPlaced(f.chks_BeepOnDrop, QRect(9, 88, 97, 17));
    EXPECT_EQ(f.chks_UseDefaultPieces->text(), "Use Easy Pieces");
    ExpectPlaced(f.chks_UseDefaultPieces, QRect(9, 105, 97, 17));
    EXPECT_EQ(f.chks_DrawGrid->text(), "Grid Visible");
    ExpectPlaced(f.chks_DrawGrid, QRect(9, 122, 97, 17));
    EXPECT_EQ(f.chks_DrawGrid->parentWidget(), f.PageShapes);

    EXPECT_EQ(f.Panel1->geometry(), QRect(0, 176, 251, 25));
    EXPECT_EQ(f.Button1->text(), "&Ok");
    EXPECT_EQ(f.Button1->geometry(), QRect(100, 0, 75, 25));
    EXPECT_EQ(f.Button2->text(), "&Cancel");
    EXPECT_EQ(f.Button2->geometry(), QRect(175, 0, 75, 25));
    EXPECT_FALSE(f.Button1->isDefault() || f.Button1->autoDefault());
    EXPECT_FALSE(f.Button2->isDefault() || f.Button2->autoDefault());

    // Tab order: each page in its own order, then the two buttons.
    const std::vector<QWidget*> expected{f.chkb_BeepOnDrop,
                                         f.chkb_UseSound,
                                         f.txtB_PlayerName,
                                         f.rdoB_Speed,
                                         f.txtS_PlayerName,
                                         f.rdos_Speed,
                                         f.chks_ShowNextPiece,
                                         f.chks_UseSound,
                                         f.chks_BeepOnDrop,
                                         f.chks_UseDefaultPieces,
                                         f.chks_DrawGrid,
                                         f.Button1,
                                         f.Button2};
    std::vector<QWidget*> chain;
    QWidget* w = f.chkb_BeepOnDrop;
    do {
        QWidget* named = w;
        if (auto* group = dynamic_cast<TRadioGroup*>(w->parentWidget())) named = group;
        const bool listed = std::find(expected.begin(), expected.end(), named) != expected.end();
        if (listed && (chain.empty() || chain.back() != named)) chain.push_back(named);
        w = w->nextInFocusChain();
    } while (w != f.chkb_BeepOnDrop);
    EXPECT_EQ(chain, expected);
}

TEST_F(OptionsDialog, WithoutAFileShowsTheDefaultsAndOkCreatesItWithThirteenKeys) {
    TfrmOptions& f = Open();
    EXPECT_EQ(f.txtS_PlayerName->text(), "Pembo");
    EXPECT_EQ(f.txtB_PlayerName->text(), "Pembo");
    EXPECT_EQ(f.rdos_Speed->ItemIndex(), 1);
    EXPECT_EQ(f.rdoB_Speed->ItemIndex(), 1);
    EXPECT_TRUE(f.chks_ShowNextPiece->isChecked());
    EXPECT_TRUE(f.chks_UseSound->isChecked());
    EXPECT_TRUE(f.chks_BeepOnDrop->isChecked());
    EXPECT_TRUE(f.chks_DrawGrid->isChecked());
    EXPECT_FALSE(f.chks_UseDefaultPieces->isChecked());
    EXPECT_TRUE(f.chkb_UseSound->isChecked());
    EXPECT_TRUE(f.chkb_BeepOnDrop->isChecked());
    EXPECT_FALSE(QFile::exists(PathOf("Quorvel.cfg")));

    f.Button1->click();
    Settle();
    EXPECT_EQ(ReadBytes("Quorvel.cfg"), kAllDefaults);
    EXPECT_TRUE(f.Closed());
    EXPECT_TRUE(Dialogs.empty());
}

TEST_F(OptionsDialog, SpeedChoicesMapBothWaysAndBothKeysTrueReadsAsLineComplete) {
    WriteBytes("Quorvel.cfg", "[OptionsShapes]\r\nSpeedUpOnLine=1\r\nSpeedUpOnBoth=1\r\n"
                              "[OptionsBlocks]\r\nSpeedUpOnBoth=1\r\n");
    TfrmOptions& f = Open();
    EXPECT_EQ(f.rdos_Speed->ItemIndex(), 0);
    EXPECT_EQ(f.rdoB_Speed->ItemIndex(), 2);
    f.Button1Click();
    ToptionsRec shapes = ReadShapesOptions();
    EXPECT_TRUE(shapes.SpeedUpOnLine);
    EXPECT_FALSE(shapes.SpeedUpOnBoth);
    ToptionsRec blocks = ReadBlocksOptions();
    EXPECT_FALSE(blocks.SpeedUpOnLine);
    EXPECT_TRUE(blocks.SpeedUpOnBoth);

    // Each choice written and read back shows itself again.
    for (int choice = 0; choice < 3; ++choice) {
        TfrmOptions first;
        first.rdos_Speed->Item(choice)->click();
        first.rdoB_Speed->Item(2 - choice)->click();
        first.Button1Click();
        TfrmOptions second;
        EXPECT_EQ(second.rdos_Speed->ItemIndex(), choice);
        EXPECT_EQ(second.rdoB_Speed->ItemIndex(), 2 - choice);
    }
    const TGameOptions last = ReadDialogOptions();
    EXPECT_FALSE(last.Shapes.SpeedUpOnLine);
    EXPECT_TRUE(last.Shapes.SpeedUpOnBoth);
    EXPECT_TRUE(last.Blocks.SpeedUpOnLine);
    EXPECT_FALSE(last.Blocks.SpeedUpOnBoth);
}

TEST_F(OptionsDialog, OkWritesEveryControlEvenUnchangedAndAnEmptyNameStaysEmpty) {
    WriteBytes("Quorvel.cfg", "; kept\r\n[optionsshapes]\r\nplayername=Ann \r\nshowpiece=0\r\n"
                              "usedefaultpieces=1\r\n");
    TfrmOptions& f = Open();
    EXPECT_EQ(f.txtS_PlayerName->text(), "Ann");
    EXPECT_FALSE(f.chks_ShowNextPiece->isChecked());
    EXPECT_TRUE(f.chks_UseDefaultPieces->isChecked());
    f.txtB_PlayerName->clear();
    f.chks_DrawGrid->setChecked(false);
    f.chkb_UseSound->setChecked(false);
    f.Button1Click();
    EXPECT_EQ(ReadBytes("Quorvel.cfg"), "; kept\r\n"
                                        "[optionsshapes]\r\n"
                                        "PlayerName=Ann\r\n"
                                        "ShowPiece=0\r\n"
                                        "UseDefaultPieces=1\r\n"
                                        "BeepOnDrop=1\r\n"
                                        "UseSound=1\r\n"
                                        "DrawGrid=0\r\n"
                                        "SpeedUpOnBoth=0\r\n"
                                        "SpeedUpOnLine=0\r\n"
                                        "\r\n"
                                        "[OptionsBlocks]\r\n"
                                        "PlayerName=\r\n"
                                        "BeepOnDrop=1\r\n"
                                        "UseSound=0\r\n"
                                        "SpeedUpOnBoth=0\r\n"
                                        "SpeedUpOnLine=0\r\n");
    EXPECT_EQ(ReadBlocksOptions().PlayerName, "");

    // A name is stored as typed, blanks included.
    TfrmOptions again;
    EXPECT_EQ(again.txtB_PlayerName->text(), "");
    again.txtS_PlayerName->setText("  Zoe  ");
    again.Button1Click();
    EXPECT_EQ(ReadShapesOptions().PlayerName, "Zoe");
    EXPECT_TRUE(ReadBytes("Quorvel.cfg").contains("PlayerName=  Zoe  \r\n"));
}

TEST_F(OptionsDialog, CancelCloseBoxEnterAndEscapeLeaveTheFileByteForByte) {
    const QByteArray original = "[OptionsShapes]\nPlayerName=Ann\nDrawGrid=0\n";
    WriteBytes("Quorvel.cfg", original);
    TfrmOptions& f = Open();
    f.txtS_PlayerName->setText("Changed");
    f.chks_DrawGrid->setChecked(true);

    for (QWidget* target : std::initializer_list<QWidget*>{f.Button1, f.Button2, &f}) {
        Press(target, Qt::Key_Return);
        Press(target, Qt::Key_Enter);
        Press(target, Qt::Key_Escape);
    }
    Settle();
    EXPECT_FALSE(f.Closed());
    EXPECT_EQ(ReadBytes("Quorvel.cfg"), original);

    f.Button2->click();
    Settle();
    EXPECT_TRUE(f.Closed());
    EXPECT_EQ(ReadBytes("Quorvel.cfg"), original);

    TfrmOptions other;
    other.txtB_PlayerName->setText("Changed");
    other.close();
    EXPECT_TRUE(other.Closed());
    EXPECT_EQ(ReadBytes("Quorvel.cfg"), original);
    EXPECT_TRUE(Dialogs.empty());
}

TEST_F(OptionsDialog, ARefusedWriteIsReportedAndTheDialogStaysOpen) {
    WriteBytes("plain", "a file where a folder should be");
    SetExeFileNameForTests(PathOf("plain/Quorvel"));
    TfrmOptions& f = Open();
    EXPECT_EQ(f.txtS_PlayerName->text(), "Pembo");
    f.Button1->click();
    ASSERT_EQ(Dialogs.size(), 1u);
    EXPECT_EQ(Dialogs[0].Kind, TDialogKind::Error);
    EXPECT_EQ(Dialogs[0].Text, "Unable to write to " + PathOf("plain/Quorvel.cfg") + ": " +
                                   qt_error_string(ENOTDIR));
    Settle();
    EXPECT_FALSE(f.Closed());
}
