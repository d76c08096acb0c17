#include "settings/Controls.h"

#include "platform/files/AppPath.h"
#include "platform/files/IniFile.h"
#include "platform/ui/Form.h"
#include "settings/OptionsFile.h"

#include <QCoreApplication>
#include <QKeySequence>

namespace {

struct TActionInfo {
    const char* FileKey;
    const char* Text;
    int Key;
    int VirtualKey;
    char Letter;
    std::optional<TPadButton> Pad;
};

// In TAction's order.
const TActionInfo kActions[kActionCount] = {
    {"MoveLeft", QT_TRANSLATE_NOOP("TfrmControls", "Move Left"), Qt::Key_Left, vk::Left, 0, {}},
    {"MoveRight", QT_TRANSLATE_NOOP("TfrmControls", "Move Right"), Qt::Key_Right, vk::Right, 0, {}},
    {"Turn", QT_TRANSLATE_NOOP("TfrmControls", "Turn"), Qt::Key_Up, vk::Up, 0, TPadButton::A},
    {"Drop", QT_TRANSLATE_NOOP("TfrmControls", "Drop"), Qt::Key_Down, vk::Down, 0, TPadButton::B},
    //: End: the piece falls three rows at once
    {"StepDown", QT_TRANSLATE_NOOP("TfrmControls", "Three Rows Down"), Qt::Key_End, vk::End, 0,
     TPadButton::X},
    //: Home: the game ends now and its score goes into the high-score table
    {"EndGame", QT_TRANSLATE_NOOP("TfrmControls", "End Game"), Qt::Key_Home, vk::Home, 0, {}},
    {"Slower", QT_TRANSLATE_NOOP("TfrmControls", "Slower"), Qt::Key_PageUp, vk::Prior, 0,
     TPadButton::LeftShoulder},
    {"Faster", QT_TRANSLATE_NOOP("TfrmControls", "Faster"), Qt::Key_PageDown, vk::Next, 0,
     TPadButton::RightShoulder},
    {"Quit", QT_TRANSLATE_NOOP("TfrmControls", "Quit"), Qt::Key_Escape, vk::Escape, 0,
     TPadButton::Back},
    {"Pause", QT_TRANSLATE_NOOP("TfrmControls", "Pause"), Qt::Key_P, 0, 'P', TPadButton::Start},
    {"NewGame", QT_TRANSLATE_NOOP("TfrmControls", "New Game"), Qt::Key_N, 0, 'N', TPadButton::Y},
    //: The letter switch that shows or hides the board's grid
    {"Grid", QT_TRANSLATE_NOOP("TfrmControls", "Grid On Or Off"), Qt::Key_G, 0, 'G', {}},
    //: The letter switch for the click on every step of the falling piece
    {"Beep", QT_TRANSLATE_NOOP("TfrmControls", "Click On Or Off"), Qt::Key_B, 0, 'B', {}},
    //: The letter switch for the game's sounds
    {"Sound", QT_TRANSLATE_NOOP("TfrmControls", "Sound On Or Off"), Qt::Key_S, 0, 'S', {}},
};

const TActionInfo& Info(TAction action) {
    return kActions[static_cast<int>(action)];
}

const TAction kShapesActions[] = {
    TAction::MoveLeft, TAction::MoveRight, TAction::Turn,   TAction::Drop,  TAction::StepDown,
    TAction::EndGame,  TAction::Slower,    TAction::Faster, TAction::Quit,  TAction::Pause,
    TAction::NewGame,  TAction::Grid,      TAction::Beep,   TAction::Sound,
};
// Blocks has no grid to show.
const TAction kBlocksActions[] = {
    TAction::MoveLeft, TAction::MoveRight, TAction::Turn,   TAction::Drop, TAction::StepDown,
    TAction::EndGame,  TAction::Slower,    TAction::Faster, TAction::Quit, TAction::Pause,
    TAction::NewGame,  TAction::Beep,      TAction::Sound,
};

struct TPadInfo {
    TPadButton Button;
    const char* Name;
    const char* Text;
};
// The buttons a game action may be bound to; the d-pad's directions move, turn and
// drop as the arrow keys do.
const TPadInfo kPadButtons[] = {
    //: A pad button's label as printed on the common pads
    {TPadButton::A, "A", QT_TRANSLATE_NOOP("TfrmControls", "A")},
    {TPadButton::B, "B", QT_TRANSLATE_NOOP("TfrmControls", "B")},
    {TPadButton::X, "X", QT_TRANSLATE_NOOP("TfrmControls", "X")},
    {TPadButton::Y, "Y", QT_TRANSLATE_NOOP("TfrmControls", "Y")},
    //: The pad's Back (Select, View, minus) button
    {TPadButton::Back, "Back", QT_TRANSLATE_NOOP("TfrmControls", "Back")},
    //: The pad's Start (Menu, plus) button
    {TPadButton::Start, "Start", QT_TRANSLATE_NOOP("TfrmControls", "Start")},
    //: The pad's left shoulder button
    {TPadButton::LeftShoulder, "LB", QT_TRANSLATE_NOOP("TfrmControls", "LB")},
    //: The pad's right shoulder button
    {TPadButton::RightShoulder, "RB", QT_TRANSLATE_NOOP("TfrmControls", "RB")},
};

QString SectionOf(TGameKind game) {
    return game == TGameKind::Shapes ? QStringLiteral("ControlsShapes")
                                     : QStringLiteral("ControlsBlocks");
}

} // namespace

const TAction* ActionsOf(TGameKind game, int& count) {
    if (game == TGameKind::Shapes) {
        count = static_cast<int>(std::size(kShapesActions));
        return kShapesActions;
    }
    count = static_cast<int>(std::size(kBlocksActions));
    return kBlocksActions;
}

QString ActionText(TGameKind game, TAction action) {
    if (game == TGameKind::Blocks && action == TAction::Turn)
        //: Up in Blocks: the column's three colours move round by one
        return QCoreApplication::translate("TfrmControls", "Cycle Colours");
    return QCoreApplication::translate("TfrmControls", Info(action).Text);
}

int ActionVirtualKey(TAction action) {
    return Info(action).VirtualKey;
}

char ActionLetter(TAction action) {
    return Info(action).Letter;
}

std::optional<TAction> TControls::ActionOfKey(int key) const {
    int count = 0;
    const TAction* actions = ActionsOf(Game, count);
    for (int i = 0; i < count; ++i)
        if (KeyOf(actions[i]) == key) return actions[i];
    return std::nullopt;
}

std::optional<TAction> TControls::ActionOfPad(TPadButton button) const {
    switch (button) {
    case TPadButton::Left:
        return TAction::MoveLeft;
    case TPadButton::Right:
        return TAction::MoveRight;
    case TPadButton::Up:
        return TAction::Turn;
    case TPadButton::Down:
        return TAction::Drop;
    default:
        break;
    }
    int count = 0;
    const TAction* actions = ActionsOf(Game, count);
    for (int i = 0; i < count; ++i)
        if (PadOf(actions[i]) == button) return actions[i];
    return std::nullopt;
}

TControls DefaultControls(TGameKind game) {
    TControls controls;
    controls.Game = game;
    int count = 0;
    const TAction* actions = ActionsOf(game, count);
    for (int i = 0; i < count; ++i) {
        controls.KeyOf(actions[i]) = Info(actions[i]).Key;
        controls.PadOf(actions[i]) = Info(actions[i]).Pad;
    }
    return controls;
}

QString KeyName(int key) {
    return QKeySequence(key).toString(QKeySequence::PortableText);
}

int KeyOfName(const QString& name) {
    const QKeySequence sequence = QKeySequence::fromString(name, QKeySequence::PortableText);
    if (sequence.count() != 1 || sequence[0].keyboardModifiers() != Qt::NoModifier) return 0;
    const int key = sequence[0].key();
    return key == Qt::Key_unknown ? 0 : key;
}

QString KeyText(int key) {
    return QKeySequence(key).toString(QKeySequence::NativeText);
}

QString PadButtonName(TPadButton button) {
    for (const TPadInfo& info : kPadButtons)
        if (info.Button == button) return QString::fromLatin1(info.Name);
    return QString();
}

std::optional<TPadButton> PadButtonOfName(const QString& name) {
    for (const TPadInfo& info : kPadButtons)
        if (name.compare(QLatin1String(info.Name), Qt::CaseInsensitive) == 0) return info.Button;
    return std::nullopt;
}

QString PadButtonText(TPadButton button) {
    for (const TPadInfo& info : kPadButtons)
        if (info.Button == button) return QCoreApplication::translate("TfrmControls", info.Text);
    return QString();
}

TControls ReadControls(TGameKind game) {
    TControls controls = DefaultControls(game);
    const TIniFile ini(OptionsFileName());
    const QString section = SectionOf(game);
    int count = 0;
    const TAction* actions = ActionsOf(game, count);
    for (int i = 0; i < count; ++i) {
        const TAction action = actions[i];
        const QString key = QString::fromLatin1(Info(action).FileKey);
        const int read = KeyOfName(ini.ReadString(section, key, QString()));
        if (read != 0) controls.KeyOf(action) = read;
        const QString none = QStringLiteral("\x01");
        const QString pad = ini.ReadString(section, QStringLiteral("Pad") + key, none);
        if (pad.isEmpty())
            controls.PadOf(action).reset();
        else if (const auto button = PadButtonOfName(pad))
            controls.PadOf(action) = button;
    }
    return controls;
}

void WriteControls(const TControls& shapes, const TControls& blocks) {
    TIniFile(OptionsFileName())
        .Edit(
            [&](TIniFile::TEdit& ini) {
                for (const TControls* controls : {&shapes, &blocks}) {
                    const QString section = SectionOf(controls->Game);
                    int count = 0;
                    const TAction* actions = ActionsOf(controls->Game, count);
                    for (int i = 0; i < count; ++i)
                        ini.WriteString(section, QString::fromLatin1(Info(actions[i]).FileKey),
                                        KeyName(controls->KeyOf(actions[i])));
                    for (int i = 0; i < count; ++i) {
                        const auto pad = controls->PadOf(actions[i]);
                        ini.WriteString(section,
                                        QStringLiteral("Pad") +
                                            QString::fromLatin1(Info(actions[i]).FileKey),
                                        pad ? PadButtonName(*pad) : QString());
                    }
                }
            },
            MakeDataFolder);
}

TPadRepeat ReadPadRepeat() {
    const TIniFile ini(OptionsFileName());
    TPadRepeat repeat;
    auto read = [&ini](const char* key, int& value) {
        bool ok = false;
        const int number =
            ini.ReadString(QStringLiteral("GamePad"), QString::fromLatin1(key), QString())
                .trimmed()
                .toInt(&ok);
        if (ok && number >= 10 && number <= 2000) value = number;
    };
    read("RepeatDelay", repeat.Delay);
    read("RepeatInterval", repeat.Interval);
    return repeat;
}
