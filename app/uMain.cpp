#include "app/uMain.h"

#include "app/Delay.h"
#include "app/MenuPictures.h"
#include "app/uInst.h"
#include "app/uSelector.h"
#include "game/uBlocks.h"
#include "game/uGame.h"
#include "platform/AppPath.h"
#include "platform/Application.h"
#include "settings/uHighScoreTable.h"
#include "settings/uOptions.h"

#include <memory>

namespace {

TImage* Button(QWidget* parent, int left, int top, TMenuPicture picture) {
    auto* image = new TImage(parent);
    image->SetBounds(left, top, 72, 72);
    image->SetPicture(MenuPicture(picture));
    image->setCursor(Qt::PointingHandCursor);
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
    SetCaption(QStringLiteral("Welcome To Quorvel"));
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
    Image1->SetOnClick([this] { btnNewGameClick(); });
    Image4->SetOnClick([this] { Button1Click(); });
    Image6->SetOnClick([this] { Image6Click(); });
    Image2->SetOnClick([this] { Image2Click(); });
    Image7->SetOnClick([this] { Image7Click(); });
    Image3->SetOnClick([this] { btnExitClick(); });

    sysWave = new TWavePlayer(this);
    sysWave->SetAsynchronous(true);
    sysWave->SetLoop(false);

    CenterOnScreen();
    Application::Guard([this] { FormCreate(); });
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
    table->GameName = chooser->cboList->currentText();
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

void TfrmMain::btnExitClick() {
    PlayClick();
    Delay(1);
    Close();
}
