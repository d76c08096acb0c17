#include "app/uMain.h"

#include "app/Delay.h"
#include "app/MenuPictures.h"
#include "app/uInst.h"
#include "app/uSelector.h"
#include "game/uBlocks.h"
#include "game/uGame.h"
#include "platform/files/AppPath.h"
#include "platform/ui/Accessible.h"
#include "platform/ui/Application.h"
#include "platform/ui/Language.h"
#include "settings/uHighScoreTable.h"
#include "settings/uOptions.h"

#include <QScopeGuard>
#include <algorithm>
#include <memory>

namespace {

TImage* Button(QWidget* parent, int left, int top, TMenuPicture picture) {
    auto* image = new TImage(parent);
    image->SetBounds(left, top, 72, 72);
    image->SetPicture(MenuPicture(picture, Language::Code()));
    // A screen reader meets a push button, named once the window is shown.
    SetAccessibleRole(*image, QAccessible::Button);
    image->setCursor(Qt::PointingHandCursor);
    // Not by a click: the mouse leaves the focus mark where it was.
    image->setFocusPolicy(Qt::TabFocus);
    return image;
}

// Creates the window, shows it modally and destroys it, whatever happens meanwhile.
template <class TWindow> void ShowAndDestroy(QWidget* owner) {
    const auto window = std::make_unique<TWindow>(owner);
    window->ShowModal();
}

} // namespace

TfrmMain::TfrmMain(QWidget* parent) : TForm(parent) {
    SetBorder(TBorder::None);
    SetCaption(tr("Welcome To Quorvel"));
    SetColor(clBtnFace);
    SetClientSize(284, 181);

    Image5 = new TImage(this);
    Image5->SetBounds(0, 0, 284, 181);
    Image5->SetPicture(MenuBackground());
    Image1 = Button(this, 21, 13, TMenuPicture::Shapes);
    Image4 = Button(this, 102, 13, TMenuPicture::Blocks);
    Image6 = Button(this, 182, 13, TMenuPicture::HighScore);
    Image2 = Button(this, 21, 105, TMenuPicture::Options);
    Image7 = Button(this, 102, 105, TMenuPicture::Instructions);
    Image3 = Button(this, 182, 105, TMenuPicture::Exit);
    // Created in reading order, which is therefore the Tab order.
    FButtons = {Image1, Image4, Image6, Image2, Image7, Image3};
    // However its window ended, also by an error, Shapes has the focus afterwards.
    const auto opens = [this](void (TfrmMain::*click)()) {
        return [this, click] {
            const auto home = qScopeGuard([this] { Image1->setFocus(); });
            (this->*click)();
        };
    };
    Image1->SetOnClick(opens(&TfrmMain::btnNewGameClick));
    Image4->SetOnClick(opens(&TfrmMain::Button1Click));
    Image6->SetOnClick(opens(&TfrmMain::Image6Click));
    Image2->SetOnClick(opens(&TfrmMain::Image2Click));
    Image7->SetOnClick(opens(&TfrmMain::Image7Click));
    Image3->SetOnClick([this] { btnExitClick(); });
    Image1->setFocus();

    sysWave = new TWavePlayer(this);
    sysWave->SetAsynchronous(true);
    sysWave->SetLoop(false);

    CenterOnScreen();
    Application::Guard([this] { FormCreate(); });
}

// A child shown with its window is shown before the window maps, and the first one
// tells the accessibility bridge, which then connects to the session bus while the
// window waits. Shown right after their window instead, the pictures tell a bridge
// that the window itself has started once it is mapped, and they are there in good
// time for the window's first frame, which is drawn in answer to its first Expose.
void TfrmMain::setVisible(bool visible) {
    if (!visible || isVisible()) return TForm::setVisible(visible);
    QWidget* focused = focusWidget();
    const auto children = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children)
        child->setVisible(false);
    TForm::setVisible(true);
    // Naming a control tells the bridge too: each picture is named by the title drawn
    // at its top (FButtons is in the order of TMenuPicture).
    for (size_t i = 0; i < FButtons.size(); ++i)
        FButtons[i]->setAccessibleName(
            tr(MenuPictureTitle(static_cast<TMenuPicture>(i)).toUtf8().constData()));
    for (QWidget* child : children)
        child->setVisible(true);
    if (focused) focused->setFocus();
}

void TfrmMain::FormCreate() {
    FAppFolder = ::AppFolder();
}

void TfrmMain::PlayClick() {
    sysWave->SetFileName(FAppFolder + QStringLiteral("Click.wav"));
    sysWave->Play();
}

void TfrmMain::btnNewGameClick() {
    PlayClick();
    ShowAndDestroy<TfrmGame>(this);
}

void TfrmMain::Button1Click() {
    PlayClick();
    ShowAndDestroy<TfrmGameBlocks>(this);
}

void TfrmMain::Image6Click() {
    PlayClick();
    const auto chooser = std::make_unique<TfrmSelect>(this);
    if (chooser->ShowModal() != QDialog::Accepted) return;
    const auto table = std::make_unique<TfrmHigh>(this);
    table->Score = 0;
    table->GameName = chooser->GameName();
    table->PlayerName = QStringLiteral("Play To Get Here");
    table->UpdateTable();
    table->ShowModal();
}

void TfrmMain::Image2Click() {
    PlayClick();
    ShowAndDestroy<TfrmOptions>(this);
}

void TfrmMain::Image7Click() {
    PlayClick();
    ShowAndDestroy<TfrmInst>(this);
}

void TfrmMain::FormKeyDown(int& Key) {
    const int right = Key == vk::Right ? 1 : Key == vk::Left ? -1 : 0;
    const int down = Key == vk::Down ? 1 : Key == vk::Up ? -1 : 0;
    if (right == 0 && down == 0) return;
    const auto focused = std::find(FButtons.begin(), FButtons.end(), focusWidget());
    if (focused == FButtons.end()) return;
    const int index = static_cast<int>(focused - FButtons.begin());
    const int column = index % 3 + right;
    const int row = index / 3 + down;
    // At the grid's edge the arrow does nothing: the focus does not wrap round.
    if (column < 0 || column > 2 || row < 0 || row > 1) return;
    FButtons[row * 3 + column]->setFocus(Qt::OtherFocusReason);
}

void TfrmMain::btnExitClick() {
    PlayClick();
    Delay(1);
    Close();
}
