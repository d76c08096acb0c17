// Every window and box of the program in every language it ships, offscreen, with the
// fonts the package depends on: no text needs more room than its control has, no
// control reaches outside its window, and in the pseudo-language (en_XA, every text
// accented and longer) no text is left in English. Each test runs in a process of
// its own, so the language is found from LANGUAGE as at a start.

#include "app/MenuPictures.h"
#include "app/uInst.h"
#include "app/uMain.h"
#include "app/uSelector.h"
#include "game/TextPanel.h"
#include "game/uBlocks.h"
#include "game/uGame.h"
#include "platform/ui/Language.h"
#include "settings/ShadowLabel.h"
#include "settings/uControls.h"
#include "settings/uHighScoreTable.h"
#include "settings/uOptions.h"
#include "tests/common/TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocument>

namespace {

const QString kPseudo = QStringLiteral("en_XA");

// The languages the program ships, English ("C") and the pseudo-language.
std::vector<std::string> AllLanguages() {
    std::vector<std::string> codes{"C"};
    for (int i = 0; kMenuLanguages[i]; ++i)
        codes.emplace_back(kMenuLanguages[i]);
    codes.emplace_back(kPseudo.toStdString());
    return codes;
}

// A translated text of the pseudo-language holds its accented letters; a text shown
// in English holds none.
bool LooksTranslated(const QString& text) {
    static const QRegularExpression accented(
        QStringLiteral("[\\x{00C0}-\\x{024F}\\x{1E00}-\\x{1EFF}]"));
    return text.contains(accented);
}

int Widest(const QFontMetrics& metrics, const QStringList& lines) {
    int widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

class Languages : public TestFolder, public ::testing::WithParamInterface<std::string> {
protected:
    void SetUp() override {
        TestFolder::SetUp();
        for (const char* name : {"bg.bmp", "Click.wav", "Line Done.wav", "Game Over.wav"})
            CopyAsset(name);
        for (const QString& name : QDir(QCoreApplication::applicationDirPath())
                                       .entryList({QStringLiteral("Instructions*.rtf")}))
            CopyAsset(name);
        qputenv("LANGUAGE", GetParam().c_str());
        qputenv("LC_ALL", "C.UTF-8");
        Language::Load();
        Language::Install();
    }

    bool Pseudo() const { return QString::fromStdString(GetParam()) == kPseudo; }

    // A text the player reads, where it is: untranslated in the pseudo-language is a
    // fault; data (names, numbers, paths) is not passed here.
    void Shown(const QString& where, const QString& text) {
        if (Pseudo() && !text.isEmpty() && !LooksTranslated(text))
            FProblems.push_back(where + ": \"" + text + "\" is not translated");
    }

    void NeedsRoom(const QString& where, const QString& text, int needed, int has) {
        // The pseudo-language is longer on purpose: there only the translation counts.
        if (!Pseudo() && needed > has)
            FProblems.push_back(QStringLiteral("%1: \"%2\" needs %3 pixels, has %4")
                                    .arg(where, text)
                                    .arg(needed)
                                    .arg(has));
    }

    // Every control of the window that shows text, as it is laid out now.
    void Check(QWidget& window) {
        // Buttons are the controls a window may widen for a language.
        std::vector<std::pair<QWidget*, QRect>> laidOut;
        for (QPushButton* w : window.findChildren<QPushButton*>())
            laidOut.emplace_back(w, w->geometry());
        window.show();
        QCoreApplication::processEvents();
        // In English every button stays where the window put it, to the pixel.
        if (GetParam() == "C")
            for (const auto& [w, at] : laidOut)
                if (w->geometry() != at)
                    FProblems.push_back(window.windowTitle() + " / " +
                                        w->metaObject()->className() + ": moved in English");
        const QString name = window.windowTitle();
        Shown(name + " (caption)", name);
        const QRect inside = window.rect();
        for (QWidget* w : window.findChildren<QWidget*>()) {
            if (!w->isVisibleTo(&window)) continue;
            const QString where = name + " / " + w->metaObject()->className();
            const QRect at(w->mapTo(&window, QPoint(0, 0)), w->size());
            if (!inside.contains(at) && !qobject_cast<QTabBar*>(w->parentWidget()))
                FProblems.push_back(where + ": reaches outside its window");
            const QFontMetrics fm(w->font());
            if (auto* button = qobject_cast<QAbstractButton*>(w)) {
                // The room for the text is what the style leaves beside the check mark
                // or within the button's bevel.
                QStyleOptionButton option;
                option.initFrom(w);
                option.text = button->text();
                QStyle::SubElement contents = QStyle::SE_PushButtonContents;
                if (qobject_cast<QCheckBox*>(w))
                    contents = QStyle::SE_CheckBoxContents;
                else if (qobject_cast<QRadioButton*>(w))
                    contents = QStyle::SE_RadioButtonContents;
                else if (!qobject_cast<QPushButton*>(w))
                    continue;
                const int room = w->style()->subElementRect(contents, &option, w).width();
                Shown(where, button->text());
                NeedsRoom(where, button->text(),
                          fm.horizontalAdvance(WithoutMnemonic(button->text())), room);
            } else if (auto* label = qobject_cast<QLabel*>(w)) {
                if (label->text().isEmpty()) continue;
                Shown(where, label->text());
                NeedsRoom(where, label->text(),
                          Widest(fm, WithoutMnemonic(label->text()).split(u'\n')),
                          label->contentsRect().width());
            } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
                Shown(where, group->title());
                NeedsRoom(where, group->title(), fm.horizontalAdvance(group->title()) + 12,
                          group->width());
            } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
                for (int i = 0; i < tabs->count(); ++i) {
                    Shown(where, tabs->tabText(i));
                    NeedsRoom(where, tabs->tabText(i),
                              fm.horizontalAdvance(WithoutMnemonic(tabs->tabText(i))) + 8,
                              tabs->tabRect(i).width());
                }
            } else if (auto* list = qobject_cast<QComboBox*>(w)) {
                for (int i = 0; i < list->count(); ++i) {
                    Shown(where, list->itemText(i));
                    // The arrow takes about a line's height at the right.
                    NeedsRoom(where, list->itemText(i),
                              fm.horizontalAdvance(list->itemText(i)) + fm.height() + 8,
                              list->width());
                }
            } else if (auto* panel = dynamic_cast<TTextPanel*>(w)) {
                const QStringList lines = panel->Lines();
                // Drawn with 4 pixels on either side; a line wraps at its blanks, so
                // each word has to fit, and all the lines the wrapping gives.
                const QRect room = panel->rect().adjusted(4, 0, -4, 0);
                const QRect drawn =
                    fm.boundingRect(room, Qt::AlignLeft | Qt::TextWordWrap, lines.join(u'\n'));
                for (const QString& line : lines)
                    for (const QString& word : line.split(u' ', Qt::SkipEmptyParts))
                        NeedsRoom(where, word, fm.horizontalAdvance(word), room.width());
                NeedsRoom(where + " (height)", lines.join(u'/'), drawn.height(), room.height());
                Shown(where, lines.value(0));
            }
        }
    }

    void TearDown() override {
        for (const QString& problem : FProblems)
            ADD_FAILURE() << problem.toStdString();
        TestFolder::TearDown();
    }

    std::vector<QString> FProblems;
};

TEST_P(Languages, EveryWindowHasRoomForItsTextsInTheLanguage) {
    {
        TfrmMain menu;
        Check(menu);
        for (QWidget* w : menu.findChildren<QWidget*>())
            if (w->focusPolicy() != Qt::NoFocus) Shown("menu picture", w->accessibleName());
    }
    {
        TfrmGame shapes;
        shapes.sysStackerLineFull(shapes.sysStacker, 3);
        Check(shapes);
        // The quit question.
        int escape = vk::Escape;
        shapes.FormKeyDown(escape);
    }
    {
        TfrmGameBlocks blocks;
        Check(blocks);
    }
    {
        TfrmOptions options;
        for (int page = 0; page < options.TabbedNotebook1->count(); ++page) {
            options.TabbedNotebook1->setCurrentIndex(page);
            Check(options);
        }
    }
    {
        TfrmControls controls;
        for (int page = 0; page < controls.Pages->count(); ++page) {
            controls.Pages->setCurrentIndex(page);
            Check(controls);
        }
        // The refusal names the action that holds the key.
        controls.ChooseKey(TGameKind::Shapes, TAction::Pause, Qt::Key_Left);
    }
    {
        TfrmSelect chooser;
        Check(chooser);
    }
    {
        TfrmHigh table;
        table.GameName = QStringLiteral("Quorvel (Blocks)");
        table.Score = 50;
        // The name prompt.
        table.UpdateTable();
        Check(table);
        // The table's file is the same in every language: the game's own name as its
        // section, the default rows' names, no entry for the name not given.
        QByteArray rows = "[Quorvel (Blocks)]\r\nCount=10\r\n";
        for (int row = 1; row <= 10; ++row)
            rows += QByteArray::number(row) + "=00000000" + QByteArray::number(10 - row) +
                    ",Player " + QByteArray::number(10 - row) + "\r\n";
        EXPECT_EQ(ReadBytes("Quorvel.ini").toStdString(), (rows + "\r\n").toStdString());
    }
    {
        TfrmInst instructions;
        Check(instructions);
        // The instructions of the language, where it has its own.
        const QString code = Language::Code();
        if (!code.isEmpty() && !Pseudo()) {
            EXPECT_TRUE(QFile::exists(PathOf("Instructions_" + code + ".rtf")))
                << code.toStdString();
        }
    }
    // A missing file's message.
    QFile::remove(PathOf("bg.bmp"));
    { TfrmGame shapes; }
    ASSERT_GE(Dialogs.size(), 3u);
    for (const TDialogRequest& box : Dialogs) {
        Shown("box caption", box.Caption == QStringLiteral("Quorvel") ? QString() : box.Caption);
        Shown("box", box.Text);
    }
}

INSTANTIATE_TEST_SUITE_P(, Languages, ::testing::ValuesIn(AllLanguages()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             return info.param;
                         });

} // namespace
