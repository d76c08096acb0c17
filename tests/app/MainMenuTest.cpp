#include "app/Delay.h"
#include "app/MenuPictures.h"
#include "app/uMain.h"
#include "app/uSelector.h"
#include "game/uGame.h"
#include "platform/numbers/SysUtils.h"
#include "settings/uHighScoreTable.h"
#include "tests/app/AppTestSupport.h"
#include "tests/common/TestSupport.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <memory>

class MainMenu : public TestFolder {
protected:
    void SetUp() override {
        TestFolder::SetUp();
        menu = std::make_unique<TfrmMain>();
        menu->sysWave->SetBeforePlaying([this](QObject* sender) {
            Events << "play " + static_cast<TWavePlayer*>(sender)->FileName();
        });
        OnModal = [this](TForm& form) {
            Events << "show " + form.Caption();
            Shown << &form;
            if (Act) Act(form);
        };
    }

    // From here on a modal window returns the result its buttons set, as a real
    // modal loop does, instead of OK.
    void UseButtonResults() {
        SetModalResponder([this](TForm& form) {
            Modals.push_back(form.Caption());
            OnModal(form);
            return form.result();
        });
    }

    QString Click() const { return "play " + PathOf("Click.wav"); }

    // Shows the menu as the program does and waits until it is the active window,
    // so that keys go where a player's would: to the focused button.
    void ShowMenu() {
        menu->show();
        for (int i = 0; i < 100 && QApplication::activeWindow() != menu.get(); ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        ASSERT_EQ(QApplication::activeWindow(), menu.get());
    }
    void Press(int key, const QString& text = QString(),
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        PressKey(target ? target : menu.get(), key, text, modifiers);
    }
    // The picture of the button that has the keyboard focus, "none" if none has.
    QString Focused() const {
        const std::vector<std::pair<TImage*, QString>> names{
            {menu->Image1, "Shapes"},  {menu->Image4, "Blocks"},       {menu->Image6, "HighScore"},
            {menu->Image2, "Options"}, {menu->Image7, "Instructions"}, {menu->Image3, "Exit"}};
        for (const auto& [image, name] : names)
            if (image->hasFocus()) return name;
        return "none";
    }

    std::unique_ptr<TfrmMain> menu;
    QStringList Events;
    QList<QPointer<TForm>> Shown;
    std::function<void(TForm&)> Act; // what the player does in a shown window
};

TEST_F(MainMenu, SixPictureButtonsOverTheBackgroundDrawnUnscaled) {
    TfrmMain& m = *menu;
    EXPECT_EQ(m.Caption(), "Welcome To Quorvel");
    EXPECT_EQ(m.size(), QSize(284, 181));
    EXPECT_TRUE(m.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(m.AppFolder(), PathOf(""));
    EXPECT_EQ(m.Image5->geometry(), QRect(0, 0, 284, 181));
    EXPECT_EQ(m.Image5->Picture(), MenuBackground());
    EXPECT_TRUE(m.sysWave->Asynchronous());
    EXPECT_FALSE(m.sysWave->Loop());

    const std::vector<std::tuple<TImage*, QPoint, TMenuPicture>> buttons{
        {m.Image1, {21, 13}, TMenuPicture::Shapes},
        {m.Image4, {102, 13}, TMenuPicture::Blocks},
        {m.Image6, {182, 13}, TMenuPicture::HighScore},
        {m.Image2, {21, 105}, TMenuPicture::Options},
        {m.Image7, {102, 105}, TMenuPicture::Instructions},
        {m.Image3, {182, 105}, TMenuPicture::Exit}};
    for (const auto& [image, place, picture] : buttons) {
        EXPECT_EQ(image->geometry(), QRect(place, QSize(72, 72)));
        EXPECT_EQ(image->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_EQ(image->Picture(), MenuPicture(picture));
    }
    EXPECT_EQ(m.Image5->cursor().shape(), Qt::ArrowCursor);

    // On screen: the background's own pixels where no button lies, the pictures'
    // where they do.
    const QImage screen = m.grab().toImage();
    const QImage background = MenuBackground();
    for (const QPoint at : {QPoint(0, 0), QPoint(283, 180), QPoint(10, 95), QPoint(270, 100)})
        EXPECT_EQ(screen.pixel(at), background.pixel(at)) << at.x() << "," << at.y();
    const QImage exit = MenuPicture(TMenuPicture::Exit);
    for (const QPoint at : {QPoint(0, 0), QPoint(36, 40), QPoint(71, 71)})
        EXPECT_EQ(screen.pixel(at + QPoint(182, 105)), exit.pixel(at));
}

TEST_F(MainMenu, EveryButtonPlaysTheClickBeforeItsWindowOpens) {
    const std::vector<std::pair<TImage*, QStringList>> cases{
        {menu->Image1, {"show Paused - Quorvel (Shapes)"}},
        {menu->Image4, {"show Paused - Quorvel (Blocks)"}},
        {menu->Image6, {"show Which Game ?", "show Highest Scores Quorvel (Shapes)"}},
        {menu->Image2, {"show Quorvel Options"}},
        {menu->Image7, {"show Instructions"}},
        {menu->Image3, {}}};
    for (const auto& [image, windows] : cases) {
        Events.clear();
        ClickOn(image);
        EXPECT_EQ(Events, QStringList{Click()} + windows);
    }
    Settle();
    EXPECT_TRUE(menu->Closed());
}

TEST_F(MainMenu, EachWindowIsDestroyedWhenItClosesAndEachGameStartsAfresh) {
    Act = [](TForm& form) {
        if (auto* game = dynamic_cast<TfrmGame*>(&form)) {
            EXPECT_EQ(game->Score, 0);
            game->Score = 500;
        }
    };
    menu->btnNewGameClick();
    menu->btnNewGameClick();
    menu->Button1Click();
    menu->Image2Click();
    menu->Image7Click();
    menu->Image6Click();
    ASSERT_EQ(Shown.size(), 7);
    for (const QPointer<TForm>& form : Shown)
        EXPECT_TRUE(form.isNull());
    EXPECT_FALSE(menu->Closed());
}

TEST_F(MainMenu, AnErrorInAWindowIsReportedAndTheWindowIsStillDestroyed) {
    Act = [](TForm&) { throw Exception("Something went wrong"); };
    EXPECT_THROW(menu->Image2Click(), Exception);
    ClickOn(menu->Image7);
    ClickOn(menu->Image1);
    ASSERT_EQ(Shown.size(), 3);
    for (const QPointer<TForm>& form : Shown)
        EXPECT_TRUE(form.isNull());
    int errors = 0;
    for (const TDialogRequest& dialog : Dialogs)
        errors += dialog.Text == "Something went wrong";
    EXPECT_EQ(errors, 2);

    // The menu goes on working.
    Act = nullptr;
    Events.clear();
    ClickOn(menu->Image2);
    EXPECT_EQ(Events, (QStringList{Click(), "show Quorvel Options"}));
}

TEST_F(MainMenu, CancellingTheChooserShowsNoTable) {
    UseButtonResults();
    Act = [](TForm& form) {
        if (auto* chooser = dynamic_cast<TfrmSelect*>(&form)) chooser->Button2Click();
    };
    menu->Image6Click();
    EXPECT_EQ(Events, (QStringList{Click(), "show Which Game ?"}));
    EXPECT_TRUE(Shown[0].isNull());
    EXPECT_FALSE(QFile::exists(PathOf("Quorvel.ini")));

    // Neither does a chooser that is closed without a button.
    Events.clear();
    Act = [](TForm& form) { form.close(); };
    menu->Image6Click();
    EXPECT_EQ(Events, (QStringList{Click(), "show Which Game ?"}));
    EXPECT_FALSE(QFile::exists(PathOf("Quorvel.ini")));
}

TEST_F(MainMenu, ChoosingBlocksShowsTheBlocksTableOfTenDefaultRows) {
    UseButtonResults();
    QStringList rows;
    Act = [&rows](TForm& form) {
        if (auto* chooser = dynamic_cast<TfrmSelect*>(&form)) {
            chooser->cboList->setCurrentIndex(1);
            chooser->Button1Click();
        } else if (auto* table = dynamic_cast<TfrmHigh*>(&form)) {
            EXPECT_EQ(table->Score, 0);
            EXPECT_EQ(table->PlayerName, "Play To Get Here");
            for (int row = 1; row <= 10; ++row)
                rows << table->NameLabel(row)->Caption() + "=" + table->ScoreLabel(row)->Caption();
        }
    };
    menu->Image6Click();
    EXPECT_EQ(Events,
              (QStringList{Click(), "show Which Game ?", "show Highest Scores Quorvel (Blocks)"}));
    QStringList expected;
    QByteArray file = "[Quorvel (Blocks)]\r\nCount=10\r\n";
    for (int i = 0; i < 10; ++i) {
        expected << QString("Player %1=00000000%1").arg(9 - i);
        file += QString("%1=00000000%2,Player %2\r\n").arg(i + 1).arg(9 - i).toUtf8();
    }
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(ReadBytes("Quorvel.ini"), file + "\r\n");
    for (const QPointer<TForm>& form : Shown)
        EXPECT_TRUE(form.isNull());
}

TEST_F(MainMenu, ExitPlaysTheClickWaitsAMomentAndClosesTheMenu) {
    bool handledMeanwhile = false;
    QTimer::singleShot(0, menu.get(), [&] { handledMeanwhile = true; });
    menu->btnExitClick();
    EXPECT_EQ(Events, QStringList{Click()});
    EXPECT_TRUE(handledMeanwhile);
    Settle();
    EXPECT_TRUE(menu->Closed());
    EXPECT_TRUE(Modals.empty());
}

// A picture shown before its window would start the accessibility bridge, which
// connects to the session bus, before the window maps.
TEST_F(MainMenu, ThePicturesAreShownOnlyOnceTheWindowIsAndShapesKeepsTheFocus) {
    struct TOrder : QObject {
        TfrmMain* Menu;
        int Early = 0, Shown = 0;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Show && dynamic_cast<TImage*>(watched)) {
                ++Shown;
                if (!Menu->windowHandle() || !Menu->windowHandle()->isVisible()) ++Early;
            }
            return false;
        }
    } order;
    order.Menu = menu.get();
    qApp->installEventFilter(&order);
    ShowMenu();
    qApp->removeEventFilter(&order);
    EXPECT_EQ(order.Shown, 7);
    EXPECT_EQ(order.Early, 0);
    EXPECT_EQ(Focused(), "Shapes");
}

TEST_F(MainMenu, ArrowsMoveTheFocusWithinTheGridAndStopAtItsEdgesTabGoesInReadingOrder) {
    ShowMenu();
    QStringList walk{Focused()};
    for (int key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right,
                    Qt::Key_Down, Qt::Key_Down, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left,
                    Qt::Key_Up, Qt::Key_Down, Qt::Key_Right, Qt::Key_Up}) {
        Press(key);
        walk << Focused();
    }
    EXPECT_EQ(walk, (QStringList{"Shapes", "Shapes", "Shapes", "Blocks", "HighScore", "HighScore",
                                 "Exit", "Exit", "Instructions", "Options", "Options", "Shapes",
                                 "Options", "Instructions", "Blocks"}));

    walk.clear();
    for (int i = 0; i < 6; ++i) {
        Press(Qt::Key_Tab, "\t");
        walk << Focused();
    }
    for (int i = 0; i < 3; ++i) {
        Press(Qt::Key_Backtab, QString(), Qt::ShiftModifier);
        walk << Focused();
    }
    EXPECT_EQ(walk, (QStringList{"HighScore", "Options", "Instructions", "Exit", "Shapes", "Blocks",
                                 "Shapes", "Exit", "Instructions"}));

    // Escape on the menu does nothing, as before it took keys.
    Press(Qt::Key_Escape, "\x1b");
    Settle();
    EXPECT_FALSE(menu->Closed());
    EXPECT_TRUE(Events.isEmpty());
}

TEST_F(MainMenu, ReturnEnterAndSpaceClickTheFocusedButtonAndShapesHasTheFocusAfterward) {
    ShowMenu();
    Press(Qt::Key_Right);
    Press(Qt::Key_Return, "\r");
    Press(Qt::Key_Down);
    Press(Qt::Key_Right);
    Press(Qt::Key_Enter, "\r", Qt::KeypadModifier);
    Press(Qt::Key_Right);
    Press(Qt::Key_Right);
    Press(Qt::Key_Space, " ");
    EXPECT_EQ(Events,
              (QStringList{Click(), "show Paused - Quorvel (Blocks)", Click(), "show Instructions",
                           Click(), "show Which Game ?", "show Highest Scores Quorvel (Shapes)"}));
    EXPECT_EQ(Focused(), "Shapes");

    Events.clear();
    Press(Qt::Key_Down);
    Press(Qt::Key_Right);
    Press(Qt::Key_Right);
    Press(Qt::Key_Return, "\r");
    EXPECT_EQ(Events, QStringList{Click()});
    Settle();
    EXPECT_TRUE(menu->Closed());
}

TEST_F(MainMenu, TheFocusMarkIsDrawnOverTheFocusedPictureAndNowhereElse) {
    ShowMenu();
    // The pixels of a tile on screen that are neither its picture's nor, on the two
    // outermost pixels all round when it has the focus, the mark's.
    auto wrong = [&](TImage* image, bool focused) {
        const QImage screen = menu->grab().toImage();
        const QImage& picture = image->Picture();
        const QRect inner = image->rect().adjusted(2, 2, -2, -2);
        int count = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const bool mark = focused && !inner.contains(x, y);
                const QRgb want = mark ? TImage::FocusMarkColor().rgb() : picture.pixel(x, y);
                count += screen.pixel(image->pos() + QPoint(x, y)) != want;
            }
        return count;
    };
    const std::vector<TImage*> buttons{menu->Image1, menu->Image4, menu->Image6,
                                       menu->Image2, menu->Image7, menu->Image3};
    for (TImage* image : buttons)
        EXPECT_EQ(wrong(image, image == menu->Image1), 0);
    Press(Qt::Key_Right);
    for (TImage* image : buttons)
        EXPECT_EQ(wrong(image, image == menu->Image4), 0);
}

TEST(Delay, HandlesPendingEventsAndReturnsOnlyOnceTheTimeHasPassed) {
    int posted = 0;
    QObject context;
    QMetaObject::invokeMethod(
        &context, [&] { ++posted; }, Qt::QueuedConnection);
    QElapsedTimer clock;
    clock.start();
    Delay(1);
    EXPECT_EQ(posted, 1);
    Delay(25);
    EXPECT_GE(clock.elapsed(), 26);
}
