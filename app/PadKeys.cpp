#include "app/PadKeys.h"

#include "game/GameWindow.h"
#include "platform/input/GamePad.h"
#include "settings/Controls.h"
#include "settings/uControls.h"
#include "settings/uOptions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>

namespace {

void PostKey(QWidget* target, int key, const QString& text, bool repeat) {
    const Qt::KeyboardModifiers modifiers =
        key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier;
    QCoreApplication::postEvent(target,
                                new QKeyEvent(QEvent::KeyPress, key, modifiers, text, repeat));
    QCoreApplication::postEvent(target,
                                new QKeyEvent(QEvent::KeyRelease, key, modifiers, text, repeat));
}

void Deliver(TPadButton button, bool repeat) {
    // Nothing reaches a window the player is not in front of.
    QWidget* active = QApplication::activeWindow();
    if (!active) return;
    QWidget* popup = QApplication::activePopupWidget();
    if (!popup) {
        if (auto* game = dynamic_cast<TGameWindow*>(active)) {
            game->PadPressed(button);
            return;
        }
    }
    // An open list's popup has the keyboard, and its view within it the focus.
    QWidget* target = QApplication::focusWidget();
    QWidget* window = popup ? popup : active;
    if (!target || target->window() != window) target = window;
    const bool byTab =
        !popup && (dynamic_cast<TfrmOptions*>(active) || dynamic_cast<TfrmControls*>(active));
    // A key field takes the next key as its binding: the pad only moves on from it, or
    // leaves the dialog.
    if (!popup && dynamic_cast<TKeyField*>(target)) {
        if (button == TPadButton::Up) PostKey(target, Qt::Key_Backtab, QString(), repeat);
        if (button == TPadButton::Down) PostKey(target, Qt::Key_Tab, QString(), repeat);
        if (button == TPadButton::B || button == TPadButton::Back)
            PostKey(active, Qt::Key_Escape, QStringLiteral("\x1b"), repeat);
        return;
    }
    switch (button) {
    case TPadButton::Left:
        PostKey(target, Qt::Key_Left, QString(), repeat);
        break;
    case TPadButton::Right:
        PostKey(target, Qt::Key_Right, QString(), repeat);
        break;
    case TPadButton::Up:
        PostKey(target, byTab ? Qt::Key_Backtab : Qt::Key_Up, QString(), repeat);
        break;
    case TPadButton::Down:
        PostKey(target, byTab ? Qt::Key_Tab : Qt::Key_Down, QString(), repeat);
        break;
    case TPadButton::A:
        // Space presses a button or toggles a box, and opens a list.
        if (!popup && (qobject_cast<QAbstractButton*>(target) || qobject_cast<QComboBox*>(target)))
            PostKey(target, Qt::Key_Space, QStringLiteral(" "), repeat);
        else
            PostKey(target, Qt::Key_Return, QStringLiteral("\r"), repeat);
        break;
    case TPadButton::B:
    case TPadButton::Back:
        PostKey(target, Qt::Key_Escape, QStringLiteral("\x1b"), repeat);
        break;
    case TPadButton::X:
        PostKey(target, Qt::Key_End, QString(), repeat);
        break;
    case TPadButton::Y:
        PostKey(target, Qt::Key_N, QStringLiteral("n"), repeat);
        break;
    case TPadButton::Start:
        PostKey(target, Qt::Key_P, QStringLiteral("p"), repeat);
        break;
    case TPadButton::LeftShoulder:
        PostKey(target, Qt::Key_PageUp, QString(), repeat);
        break;
    case TPadButton::RightShoulder:
        PostKey(target, Qt::Key_PageDown, QString(), repeat);
        break;
    }
}

// A pad pulled out in play pauses the game, as the focus leaving it does.
void PauseGames() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* game = dynamic_cast<TGameWindow*>(window); game && game->isVisible())
            game->ApplicationDeactivate();
}

} // namespace

void StartGamePads() {
    if (TGamePads::Instance()) return;
    TGamePads::Start(ReadPadRepeat());
    TGamePads* pads = TGamePads::Instance();
    if (!pads) return;
    // Queued: a press may open a modal box, whose loop must read the pads again.
    QObject::connect(pads, &TGamePads::Pressed, qApp, &Deliver, Qt::QueuedConnection);
    QObject::connect(pads, &TGamePads::Removed, qApp, &PauseGames, Qt::QueuedConnection);
}
