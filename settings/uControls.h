#pragma once

#include "platform/ui/Form.h"
#include "settings/Controls.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <functional>
#include <vector>

// A field that shows a key's name and takes the next key pressed in it as the new one:
// every key but Tab and Shift+Tab, which move on, and the modifiers alone.
class TKeyField : public QLineEdit {
public:
    explicit TKeyField(QWidget* parent);
    void SetKey(int key);
    int Key() const { return FKey; }
    // Asked with the key pressed; the field shows it where the answer is true.
    std::function<bool(int key)> OnChoose;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int FKey = 0;
};

// The controls dialog, reached from the options dialog: for each game ("Blocks" and
// "Shapes", as there) each action's key and pad button. A key or button another action
// of the same game holds is refused, with a message that names that action. "Reset to
// defaults" shows today's keys and buttons; "&Ok" writes both games' bindings where
// anything differs from what the file gave, else nothing; "&Cancel", the close box and
// Escape outside a key field write nothing.
class TfrmControls : public TForm {
    Q_DECLARE_TR_FUNCTIONS(TfrmControls)

public:
    explicit TfrmControls(QWidget* owner = nullptr);

    // The bindings as the dialog shows them.
    TControls Shown(TGameKind game) const;
    // Offers a key or a pad button (none: nullopt) for the action, as the player's
    // choice in the dialog does; false, after the message, where another action holds it.
    bool ChooseKey(TGameKind game, TAction action, int key);
    bool ChoosePad(TGameKind game, TAction action, std::optional<TPadButton> button);
    void ResetClick();
    void OkClick();
    void CancelClick() { Close(); }
    void FormKeyDown(int& key) override;

    QTabWidget* Pages;
    QPushButton* btnReset;
    QPushButton* btnOk;
    QPushButton* btnCancel;

private:
    struct TRow {
        TAction Action;
        TKeyField* Key;
        QComboBox* Pad;
    };
    struct TPage {
        TGameKind Game;
        TControls Read;
        TControls Shown;
        std::vector<TRow> Rows;
    };
    TPage& PageOf(TGameKind game);
    const TPage& PageOf(TGameKind game) const;
    void AddPage(TGameKind game, const QString& title);
    void ShowControls(TPage& page);

    std::vector<TPage> FPages;
};
