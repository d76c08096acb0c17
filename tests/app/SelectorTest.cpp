#include "app/uSelector.h"
#include "tests/app/AppTestSupport.h"
#include "tests/common/TestSupport.h"

#include <QTimer>

namespace {

// Shows the chooser for real, lets act run inside its modal loop, and gives the
// result the loop ended with.
int RunModal(TfrmSelect& chooser, std::function<void()> act) {
    QTimer::singleShot(0, &chooser, [&chooser, act = std::move(act)] {
        act();
        // Whatever act did, the loop must end: a chooser still open here failed.
        if (chooser.isVisible()) QTimer::singleShot(0, &chooser, [&chooser] { chooser.done(-1); });
    });
    return chooser.exec();
}

} // namespace

using GameChooser = TestFolder;

TEST_F(GameChooser, ListsBothTablesWithShapesChosenAndOkFocused) {
    TfrmSelect chooser;
    EXPECT_EQ(chooser.Caption(), "Which Game ?");
    EXPECT_EQ(chooser.size(), QSize(229, 50));
    EXPECT_EQ(chooser.cboList->geometry(), QRect(1, 0, 228, 21));
    EXPECT_FALSE(chooser.cboList->isEditable());
    ASSERT_EQ(chooser.cboList->count(), 2);
    EXPECT_EQ(chooser.cboList->itemText(0), "Quorvel (Shapes)");
    EXPECT_EQ(chooser.cboList->itemText(1), "Quorvel (Blocks)");
    EXPECT_EQ(chooser.cboList->currentIndex(), 0);
    EXPECT_EQ(chooser.cboList->currentText(), "Quorvel (Shapes)");
    EXPECT_EQ(chooser.Button1->text(), "&OK");
    EXPECT_EQ(chooser.Button1->geometry(), QRect(0, 25, 75, 25));
    EXPECT_EQ(chooser.Button2->text(), "&Cancel");
    EXPECT_EQ(chooser.Button2->geometry(), QRect(153, 25, 75, 25));
    EXPECT_EQ(chooser.focusWidget(), chooser.Button1);
    EXPECT_EQ(chooser.Button1->nextInFocusChain(), chooser.Button2);
    EXPECT_EQ(chooser.Button2->nextInFocusChain(), chooser.cboList);

    chooser.cboList->setCurrentIndex(1);
    EXPECT_EQ(chooser.cboList->currentText(), "Quorvel (Blocks)");
    chooser.cboListChange();
    EXPECT_EQ(chooser.cboList->currentText(), "Quorvel (Blocks)");
}

TEST_F(GameChooser, OpensCentredOverItsOwner) {
    QWidget owner;
    owner.setGeometry(300, 200, 284, 181);
    TfrmSelect chooser(&owner);
    const QPoint offset = chooser.frameGeometry().center() - owner.frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 1);
}

TEST_F(GameChooser, EnterAtOnceConfirmsAndOnlyOkGivesAccepted) {
    {
        TfrmSelect chooser;
        EXPECT_EQ(RunModal(chooser, [&] { PressKey(chooser.focusWidget(), Qt::Key_Return); }),
                  QDialog::Accepted);
        EXPECT_EQ(chooser.cboList->currentText(), "Quorvel (Shapes)");
    }
    {
        TfrmSelect chooser;
        EXPECT_EQ(RunModal(chooser, [&] { chooser.Button2->click(); }), QDialog::Rejected);
    }
    {
        TfrmSelect chooser;
        EXPECT_EQ(RunModal(chooser, [&] { chooser.close(); }), QDialog::Rejected);
        EXPECT_TRUE(chooser.Closed());
    }
    {
        // Escape is no shortcut for Cancel: the chooser stays until closed.
        TfrmSelect chooser;
        bool openAfterEscape = false;
        EXPECT_EQ(RunModal(chooser,
                           [&] {
                               PressKey(chooser.focusWidget(), Qt::Key_Escape);
                               openAfterEscape = chooser.isVisible();
                               chooser.cboList->setCurrentIndex(1);
                               chooser.Button1->click();
                           }),
                  QDialog::Accepted);
        EXPECT_TRUE(openAfterEscape);
        EXPECT_EQ(chooser.cboList->currentText(), "Quorvel (Blocks)");
    }
}
