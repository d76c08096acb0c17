#include "app/uInst.h"
#include "tests/app/AppTestSupport.h"
#include "tests/common/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// The instructions the build ships, read from the source tree.
QByteArray ShippedInstructions() {
    const QString path =
        QFileInfo(QStringLiteral(__FILE__)).dir().filePath("../../assets/Instructions.rtf");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

} // namespace

using InstructionsViewer = TestFolder;

TEST_F(InstructionsViewer, ShowsTheRichTextReadOnlyAboveACloseButton) {
    WriteBytes("Instructions.rtf", "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\pard\\qc\\b\\fs32 "
                                   "How to play\\b0\\par\\pard\\fs20 Press \\b P\\b0 .\\par}");
    TfrmInst viewer;
    EXPECT_TRUE(Dialogs.empty());
    EXPECT_EQ(viewer.Caption(), "Instructions");
    EXPECT_EQ(viewer.size(), QSize(795, 459));
    EXPECT_EQ(viewer.ins->geometry(), QRect(0, 0, 795, 434));
    EXPECT_EQ(viewer.ins->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(viewer.Panel1->geometry(), QRect(0, 434, 795, 25));
    EXPECT_EQ(viewer.Button1->parentWidget(), viewer.Panel1);
    EXPECT_EQ(viewer.Button1->geometry(), QRect(3, 0, 790, 25));
    EXPECT_EQ(viewer.Button1->text(), "&Close");

    QTextDocument* doc = viewer.ins->document();
    EXPECT_EQ(doc->toPlainText(), "How to play\nPress P.\n");
    const QTextCursor title = doc->find("How to play");
    EXPECT_EQ(title.charFormat().fontWeight(), QFont::Bold);
    EXPECT_EQ(title.block().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    // Typing changes nothing.
    EXPECT_TRUE(viewer.ins->isReadOnly());
    PressKey(viewer.ins, Qt::Key_X, "x");
    PressKey(viewer.ins, Qt::Key_Return, "\r");
    PressKey(viewer.ins, Qt::Key_Delete);
    EXPECT_EQ(doc->toPlainText(), "How to play\nPress P.\n");

    viewer.Button1->click();
    EXPECT_EQ(viewer.result(), QDialog::Accepted);
}

TEST_F(InstructionsViewer, AFileThatCannotBeReadIsReportedAndTheViewerOpensEmpty) {
    {
        TfrmInst viewer;
        ASSERT_EQ(Dialogs.size(), 1u);
        EXPECT_EQ(Dialogs[0].Kind, TDialogKind::Error);
        EXPECT_EQ(Dialogs[0].Text, "Cannot open file \"" + PathOf("Instructions.rtf") +
                                       "\". No such file or directory");
        EXPECT_TRUE(viewer.ins->document()->isEmpty());
        viewer.close();
        EXPECT_TRUE(viewer.Closed());
    }
    Dialogs.clear();
    ASSERT_TRUE(QDir(PathOf("")).mkdir("Instructions.rtf"));
    TfrmInst viewer;
    ASSERT_EQ(Dialogs.size(), 1u);
    EXPECT_TRUE(
        Dialogs[0].Text.startsWith("Cannot open file \"" + PathOf("Instructions.rtf") + "\". "))
        << Dialogs[0].Text.toStdString();
    EXPECT_GT(Dialogs[0].Text.size(),
              ("Cannot open file \"" + PathOf("Instructions.rtf") + "\". ").size());
    EXPECT_TRUE(viewer.ins->document()->isEmpty());
}

TEST_F(InstructionsViewer, TheShippedInstructionsCoverBothGamesAndEveryKey) {
    WriteBytes("Instructions.rtf", ShippedInstructions());
    TfrmInst viewer;
    EXPECT_TRUE(Dialogs.empty());
    const QTextDocument* doc = viewer.ins->document();
    const QString text = doc->toPlainText();
    for (const char* word : {"Shapes", "Blocks", "Scoring", "Speed", "Options", "Player Name",
                             "Use Easy Pieces", "Grid Visible", "Click On Drop", "Line Complete",
                             "Page Up", "Page Down", "End", "Home", "Escape"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(word))) << word;
    const QTextCursor p = doc->find(QRegularExpression("\\bP\\b"));
    ASSERT_FALSE(p.isNull());
    EXPECT_EQ(p.charFormat().fontWeight(), QFont::Bold);
    // Single-letter keys stand bold at the start of their line.
    for (const QString key : {"N", "G", "B", "S"}) {
        const QTextCursor found =
            doc->find(QRegularExpression("^" + key + "\\t", QRegularExpression::MultilineOption));
        ASSERT_FALSE(found.isNull()) << key.toStdString();
        QTextCursor first(found.block());
        first.movePosition(QTextCursor::NextCharacter);
        EXPECT_EQ(first.charFormat().fontWeight(), QFont::Bold) << key.toStdString();
    }
    // The game headings are bold and larger than the text.
    const QTextCursor heading = doc->find(QRegularExpression("^Shapes$"));
    ASSERT_FALSE(heading.isNull());
    EXPECT_EQ(heading.charFormat().fontWeight(), QFont::Bold);
    EXPECT_GT(heading.charFormat().fontPointSize(), 10.0);
    EXPECT_FALSE(text.contains('\\') || text.contains('{') || text.contains('}'));
}
