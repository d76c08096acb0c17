#include "settings/uControls.h"

#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Fonts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

TKeyField::TKeyField(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
    setFocusPolicy(Qt::StrongFocus);
    setContextMenuPolicy(Qt::NoContextMenu);
}

void TKeyField::SetKey(int key) {
    FKey = key;
    setText(KeyText(key));
}

void TKeyField::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool tab = (key == Qt::Key_Tab || key == Qt::Key_Backtab) &&
                     !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (tab) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_unknown:
    case 0:
        return;
    default:
        break;
    }
    if (key == FKey) return;
    if (!OnChoose || OnChoose(key)) SetKey(key);
}

TfrmControls::TfrmControls(QWidget* owner) : TForm(owner) {
    SetBorder(TBorder::Dialog);
    SetCaption(tr("Quorvel Controls"));
    SetColor(clBtnFace);
    setFont(WindowFont());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    Pages = new QTabWidget(this);
    Pages->tabBar()->setFont(WindowFont());
    layout->addWidget(Pages);
    FPages.reserve(2);
    //: The tab of the game Blocks: the game's name
    AddPage(TGameKind::Blocks, tr("Blocks"));
    //: The tab of the game Shapes: the game's name
    AddPage(TGameKind::Shapes, tr("Shapes"));

    auto* buttons = new QHBoxLayout;
    btnReset = new QPushButton(tr("Reset to defaults"), this);
    btnOk = new QPushButton(tr("&Ok"), this);
    btnCancel = new QPushButton(tr("&Cancel"), this);
    for (QPushButton* button : {btnReset, btnOk, btnCancel}) {
        // Enter in a key field is a key to bind, never a button's.
        button->setAutoDefault(false);
        button->setMinimumWidth(75);
    }
    buttons->addWidget(btnReset);
    buttons->addStretch(1);
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    layout->addLayout(buttons);
    QObject::connect(btnReset, &QPushButton::clicked, this,
                     [this] { Application::Guard([this] { ResetClick(); }); });
    QObject::connect(btnOk, &QPushButton::clicked, this,
                     [this] { Application::Guard([this] { OkClick(); }); });
    QObject::connect(btnCancel, &QPushButton::clicked, this,
                     [this] { Application::Guard([this] { CancelClick(); }); });
    layout->setSizeConstraint(QLayout::SetFixedSize);
    Pages->setCurrentIndex(0);
    // Placed at the size its layout gives it, which only showing would set.
    adjustSize();
    CenterOnScreen();
}

void TfrmControls::AddPage(TGameKind game, const QString& title) {
    auto* page = new QWidget;
    Pages->addTab(page, title);
    FPages.push_back(TPage{game, ReadControls(game), {}, {}});
    TPage& state = FPages.back();
    state.Shown = state.Read;
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(3);
    //: The heading over the column of what each key does in the game
    grid->addWidget(new QLabel(tr("Action"), page), 0, 0);
    //: The heading over the column of the keyboard's keys
    grid->addWidget(new QLabel(tr("Key"), page), 0, 1);
    //: The heading over the column of the game pad's buttons
    grid->addWidget(new QLabel(tr("Game Pad"), page), 0, 2);
    int count = 0;
    const TAction* actions = ActionsOf(game, count);
    for (int i = 0; i < count; ++i) {
        const TAction action = actions[i];
        auto* label = new QLabel(ActionText(game, action), page);
        auto* key = new TKeyField(page);
        key->setMinimumWidth(110);
        label->setBuddy(key);
        auto* pad = new QComboBox(page);
        //: No pad button does the action
        pad->addItem(tr("None"));
        for (int b = static_cast<int>(TPadButton::A); b < kPadButtonCount; ++b)
            pad->addItem(PadButtonText(static_cast<TPadButton>(b)), b);
        pad->setAccessibleName(tr("%1 on the game pad").arg(ActionText(game, action)));
        grid->addWidget(label, i + 1, 0);
        grid->addWidget(key, i + 1, 1);
        grid->addWidget(pad, i + 1, 2);
        key->OnChoose = [this, game, action](int chosen) {
            return ChooseKey(game, action, chosen);
        };
        QObject::connect(pad, &QComboBox::activated, this, [this, game, action, pad](int index) {
            Application::Guard([&] {
                const QVariant data = pad->itemData(index);
                const std::optional<TPadButton> button =
                    data.isValid() ? std::optional(static_cast<TPadButton>(data.toInt()))
                                   : std::nullopt;
                if (!ChoosePad(game, action, button)) ShowControls(PageOf(game));
            });
        });
        state.Rows.push_back({action, key, pad});
    }
    // The shorter page keeps its rows together at the top.
    grid->setRowStretch(count + 1, 1);
    ShowControls(state);
}

TfrmControls::TPage& TfrmControls::PageOf(TGameKind game) {
    return FPages[FPages[0].Game == game ? 0 : 1];
}

const TfrmControls::TPage& TfrmControls::PageOf(TGameKind game) const {
    return FPages[FPages[0].Game == game ? 0 : 1];
}

void TfrmControls::ShowControls(TPage& page) {
    for (const TRow& row : page.Rows) {
        row.Key->SetKey(page.Shown.KeyOf(row.Action));
        const auto pad = page.Shown.PadOf(row.Action);
        row.Pad->setCurrentIndex(pad ? row.Pad->findData(static_cast<int>(*pad)) : 0);
    }
}

TControls TfrmControls::Shown(TGameKind game) const {
    return PageOf(game).Shown;
}

bool TfrmControls::ChooseKey(TGameKind game, TAction action, int key) {
    TPage& page = PageOf(game);
    const auto holder = page.Shown.ActionOfKey(key);
    if (holder && *holder != action) {
        //: %1 is a key's name, %2 the action it is bound to
        WarningDlg(tr("The key %1 is already used for \"%2\".")
                       .arg(KeyText(key), ActionText(game, *holder)),
                   tr("Quorvel Controls"));
        return false;
    }
    page.Shown.KeyOf(action) = key;
    return true;
}

bool TfrmControls::ChoosePad(TGameKind game, TAction action, std::optional<TPadButton> button) {
    TPage& page = PageOf(game);
    if (button) {
        int count = 0;
        const TAction* actions = ActionsOf(game, count);
        for (int i = 0; i < count; ++i) {
            if (actions[i] == action || page.Shown.PadOf(actions[i]) != button) continue;
            //: %1 is a game pad button's name, %2 the action it is bound to
            WarningDlg(tr("The button %1 is already used for \"%2\".")
                           .arg(PadButtonText(*button), ActionText(game, actions[i])),
                       tr("Quorvel Controls"));
            return false;
        }
    }
    page.Shown.PadOf(action) = button;
    return true;
}

void TfrmControls::ResetClick() {
    for (TPage& page : FPages) {
        page.Shown = DefaultControls(page.Game);
        ShowControls(page);
    }
}

void TfrmControls::OkClick() {
    const TPage& shapes = PageOf(TGameKind::Shapes);
    const TPage& blocks = PageOf(TGameKind::Blocks);
    // A player who changed nothing keeps the file as it is.
    if (shapes.Shown != shapes.Read || blocks.Shown != blocks.Read)
        WriteControls(shapes.Shown, blocks.Shown);
    Close();
}

void TfrmControls::FormKeyDown(int& key) {
    if (key == vk::Escape) Close();
}
