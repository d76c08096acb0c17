#include "settings/uOptions.h"

#include "platform/ui/Application.h"
#include "platform/ui/Fonts.h"
#include "settings/uControls.h"

#include <QFont>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <algorithm>
#include <memory>

namespace {

// The three choices of "Speed Up On", in the order of the radio items.
enum TSpeedChoice { scLineComplete = 0, scTimer = 1, scBoth = 2 };

const char* const kSpeedItems[] = {
    //: Speed up each time a line is complete (a radio item under "Speed Up On")
    QT_TRANSLATE_NOOP("TfrmOptions", "Line Complete"),
    //: Speed up once a minute of play (a radio item under "Speed Up On")
    QT_TRANSLATE_NOOP("TfrmOptions", "Timer"),
    //: Speed up on both occasions (a radio item under "Speed Up On")
    QT_TRANSLATE_NOOP("TfrmOptions", "Both")};

QStringList SpeedItems() {
    QStringList items;
    for (const char* item : kSpeedItems)
        items.append(TfrmOptions::tr(item));
    return items;
}

// "Both" when SpeedUpOnBoth, else "Timer"; then "Line Complete" wins when
// SpeedUpOnLine, so a hand-edited file with both keys true shows "Line Complete".
int SpeedChoiceOf(const ToptionsRec& options) {
    int choice = options.SpeedUpOnBoth ? scBoth : scTimer;
    if (options.SpeedUpOnLine) choice = scLineComplete;
    return choice;
}

void SetSpeedChoice(ToptionsRec& options, int choice) {
    options.SpeedUpOnBoth = choice == scBoth;
    options.SpeedUpOnLine = choice == scLineComplete;
}

// Check boxes and labels grow with their text, so that no font cuts it short.
QCheckBox* CheckBox(QWidget* page, const QString& caption, int left, int top, int width) {
    auto* box = new QCheckBox(caption, page);
    box->setGeometry(left, top, std::max(width, box->sizeHint().width()), 17);
    return box;
}

QLabel* Label(QWidget* page, const QString& caption) {
    auto* label = new QLabel(caption, page);
    label->setGeometry(8, 6, std::max(60, label->sizeHint().width()), 13);
    return label;
}

QLineEdit* Edit(QWidget* page) {
    auto* edit = new QLineEdit(page);
    edit->setGeometry(8, 25, 121, 21);
    return edit;
}

// Neither button answers Enter: QPushButton in a dialog would by default.
QPushButton* PanelButton(QWidget* panel, const QString& caption, int left) {
    auto* button = new QPushButton(caption, panel);
    button->setGeometry(left, 0, 75, 25);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace

TRadioGroup::TRadioGroup(QWidget* parent, const QString& caption, const QStringList& items)
    : QGroupBox(caption, parent) {
    FGroup.setExclusive(true);
    // Three items share about 40 pixels: a smaller circle than the style's keeps them whole.
    setStyleSheet(QStringLiteral("QRadioButton::indicator { width: 10px; height: 10px; }"));
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        // A style sheet stops the font from coming down from the window.
        button->setFont(font());
        FGroup.addButton(button, i);
        FButtons.push_back(button);
    }
}

int TRadioGroup::ItemIndex() const {
    return FGroup.checkedId();
}

void TRadioGroup::SetItemIndex(int index) {
    if (index >= 0 && index < Count()) {
        Item(index)->setChecked(true);
    } else if (QAbstractButton* checked = FGroup.checkedButton()) {
        // An exclusive group refuses to uncheck its last button.
        FGroup.setExclusive(false);
        checked->setChecked(false);
        FGroup.setExclusive(true);
    }
}

void TRadioGroup::SetBounds(int left, int top, int width, int height) {
    setGeometry(left, top, width, height);
    PlaceItems();
}

void TRadioGroup::PlaceItems() {
    if (FButtons.empty()) return;
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const QRect inside =
        style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, this);
    const int itemHeight = inside.height() / Count();
    for (int i = 0; i < Count(); ++i)
        Item(i)->setGeometry(inside.left() + 4, inside.top() + i * itemHeight, inside.width() - 6,
                             itemHeight);
}

TfrmOptions::TfrmOptions(QWidget* owner) : TForm(owner) {
    SetBorder(TBorder::Dialog);
    SetCaption(tr("Quorvel Options"));
    SetColor(clBtnFace);
    setFont(WindowFont());
    SetClientSize(251, 201);

    TabbedNotebook1 = new QTabWidget(this);
    TabbedNotebook1->setGeometry(0, 0, 251, 176);
    TabbedNotebook1->tabBar()->setFont(WindowFont());
    PageBlocks = new QWidget;
    PageShapes = new QWidget;
    //: The tab of the game Blocks: the game's name
    TabbedNotebook1->addTab(PageBlocks, tr("Blocks"));
    //: The tab of the game Shapes: the game's name
    TabbedNotebook1->addTab(PageShapes, tr("Shapes"));

    // Created in the tab order of their page, which Qt takes as the focus chain.
    Label2 = Label(PageBlocks, tr("Player Name"));
    //: A short click of the computer's bell on every step of the falling piece
    chkb_BeepOnDrop = CheckBox(PageBlocks, tr("Click On Drop"), 8, 68, 97);
    chkb_UseSound = CheckBox(PageBlocks, tr("Use Sound"), 8, 51, 97);
    txtB_PlayerName = Edit(PageBlocks);
    rdoB_Speed = new TRadioGroup(PageBlocks, tr("Speed Up On"), SpeedItems());
    rdoB_Speed->SetBounds(134, 3, 105, 59);

    Label1 = Label(PageShapes, tr("Player Name"));
    txtS_PlayerName = Edit(PageShapes);
    // A screen reader names each edit box by the label above it.
    Label1->setBuddy(txtS_PlayerName);
    Label2->setBuddy(txtB_PlayerName);
    rdos_Speed = new TRadioGroup(PageShapes, tr("Speed Up On"), SpeedItems());
    rdos_Speed->SetBounds(134, 3, 105, 59);
    chks_ShowNextPiece = CheckBox(PageShapes, tr("Show Next Piece"), 9, 55, 118);
    chks_UseSound = CheckBox(PageShapes, tr("Use Sound"), 9, 71, 97);
    chks_BeepOnDrop = CheckBox(PageShapes, tr("Click On Drop"), 9, 88, 97);
    //: Play Shapes with the seven classic four-square pieces instead of the harder set
    chks_UseDefaultPieces = CheckBox(PageShapes, tr("Use Easy Pieces"), 9, 105, 97);
    chks_DrawGrid = CheckBox(PageShapes, tr("Grid Visible"), 9, 122, 97);

    Panel1 = new QWidget(this);
    Panel1->setGeometry(0, 176, 251, 25);
    Button1 = PanelButton(Panel1, tr("&Ok"), 100);
    Button2 = PanelButton(Panel1, tr("&Cancel"), 175);
    //: Opens the dialog where each game's keys and game pad buttons are chosen
    btnControls = PanelButton(Panel1, tr("Co&ntrols..."), 25);
    QObject::connect(btnControls, &QPushButton::clicked, this,
                     [this] { Application::Guard([this] { btnControlsClick(); }); });
    QObject::connect(Button1, &QPushButton::clicked, this,
                     [this] { Application::Guard([this] { Button1Click(); }); });
    QObject::connect(Button2, &QPushButton::clicked, this,
                     [this] { Application::Guard([this] { Button2Click(); }); });

    TabbedNotebook1->setCurrentIndex(0);
    chkb_BeepOnDrop->setFocus();
    Place({490, 437});
    Application::Guard([this] { FormCreate(); });
}

void TfrmOptions::FormCreate() {
    const TGameOptions options = ReadDialogOptions();
    const ToptionsRec& shapes = options.Shapes;
    txtS_PlayerName->setText(shapes.PlayerName);
    rdos_Speed->SetItemIndex(SpeedChoiceOf(shapes));
    chks_ShowNextPiece->setChecked(shapes.ShowPiece);
    chks_BeepOnDrop->setChecked(shapes.BeepOnDrop);
    chks_UseSound->setChecked(shapes.UseSound);
    chks_DrawGrid->setChecked(shapes.DrawGrid);
    chks_UseDefaultPieces->setChecked(shapes.UseDefaultPieces);

    const ToptionsRec& blocks = options.Blocks;
    txtB_PlayerName->setText(blocks.PlayerName);
    rdoB_Speed->SetItemIndex(SpeedChoiceOf(blocks));
    chkb_BeepOnDrop->setChecked(blocks.BeepOnDrop);
    chkb_UseSound->setChecked(blocks.UseSound);
}

TGameOptions TfrmOptions::Shown() const {
    TGameOptions options;
    ToptionsRec& shapes = options.Shapes;
    shapes.PlayerName = txtS_PlayerName->text();
    SetSpeedChoice(shapes, rdos_Speed->ItemIndex());
    shapes.ShowPiece = chks_ShowNextPiece->isChecked();
    shapes.BeepOnDrop = chks_BeepOnDrop->isChecked();
    shapes.UseSound = chks_UseSound->isChecked();
    shapes.DrawGrid = chks_DrawGrid->isChecked();
    shapes.UseDefaultPieces = chks_UseDefaultPieces->isChecked();

    ToptionsRec& blocks = options.Blocks;
    blocks.PlayerName = txtB_PlayerName->text();
    SetSpeedChoice(blocks, rdoB_Speed->ItemIndex());
    blocks.BeepOnDrop = chkb_BeepOnDrop->isChecked();
    blocks.UseSound = chkb_UseSound->isChecked();
    return options;
}

void TfrmOptions::Button1Click() {
    WriteDialogOptions(Shown());
    Close();
}

void TfrmOptions::btnControlsClick() {
    const auto controls = std::make_unique<TfrmControls>(this);
    controls->ShowModal();
}

void TfrmOptions::Button2Click() {
    Close();
}
